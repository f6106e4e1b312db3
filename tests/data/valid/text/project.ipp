[package]
iconpackinfo=p_iconpackinfo.txt
iconpacklang=p_iconpacklang.txt
iconsrcdir=icon\
mainicon=mainicon.ico
outputdir=
versioninfo=p_versioninfo.bin
