#!/usr/bin/env python3
# Writes the file set that the builder must save for the project of ProjectSaveTest (the demo
# project opened, edited and saved as "fixture" in a new folder), written out by hand from the
# project file format: INI and ANSI lists with CR LF after every line, Unicode lists as FF FE and
# UTF-16LE. The icon files, the package icon, the banner and the version block are compared by
# the test itself.
import os

here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "saved")


def ansi(name, lines):
    with open(os.path.join(here, name), "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("utf-8"))


def unicode(name, lines):
    with open(os.path.join(here, name), "wb") as f:
        f.write(b"\xff\xfe" + "".join(line + "\r\n" for line in lines).encode("utf-16-le"))


ansi("fixture.ipp", [
    "[package]",
    "iconpackinfo=fixture_iconpackinfo.txt",
    "iconpacklang=fixture_iconpacklang.txt",
    "iconsrcdir=icon/",
    "mainicon=mainicon.ico",
    "outputdir=C:\\packages\\",
    "versioninfo=fixture_versioninfo.bin",
    "bannerimage=fixture_bannerimage.png",
])
ansi("fixture_iconpackinfo.txt", [
    "packname=Fixture=Icons",
    "agreebutton=False",
    "showiconbit=4",
    "showiconwidth=16",
    "showiconheight=16",
    "iconcount=3",
    "iconname0=a.ico",
    "iconname1=b.ico",
    "iconname2=c.ico",
])
unicode("fixture_iconpacklang.txt", ["日本語", "English"])
unicode("fixture_lang0_sys.txt", [
    "fontname=Noto Sans CJK JP",
    "fontsize=9",
    "labeldragdrop=ここへドラッグ",
    "buttonYes=はい",
])
unicode("fixture_lang0_readme.txt", ["読んでください。", "二行目"])
unicode("fixture_lang1_sys.txt", [
    "fontname=Noto Sans",
    "fontsize=12",
    "labeldragor=or",
])
unicode("fixture_lang1_readme.txt", ["Please read."])
