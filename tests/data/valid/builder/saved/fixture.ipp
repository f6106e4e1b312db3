[package]
iconpackinfo=fixture_iconpackinfo.txt
iconpacklang=fixture_iconpacklang.txt
iconsrcdir=icon/
mainicon=mainicon.ico
outputdir=C:\packages\
versioninfo=fixture_versioninfo.bin
bannerimage=fixture_bannerimage.png
