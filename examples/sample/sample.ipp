[package]
iconpackinfo=sample_iconpackinfo.txt
iconpacklang=sample_iconpacklang.txt
iconsrcdir=icon/
mainicon=mainicon.ico
outputdir=
versioninfo=sample_versioninfo.bin
bannerimage=sample_bannerimage.png
