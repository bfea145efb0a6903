#!/usr/bin/env python3
"""Writes the language files of the graph window (GFV) and of the graph-type
chooser (EGF), in the same form as the main window's files.

Run from anywhere: python3 lang/make_lmo_graphs.py [folder]
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_lmo import write  # noqa: E402

# Toolbar captions are plain labels: no "&" in them. Menu captions keep "&"
# before their access key.
GFV = [
    ("Graphic", "Graph"),
    ("Bot_selGraph", "Graph type"),
    ("Bot_DataTable", "Data table"),
    ("Bot_Print", "Print"),
    ("Bot_Copy", "Copy"),
    ("Bot_Close", "Close"),
    ("TTT_SelGraph", "Choose another quantity to plot"),
    ("TTT_DataTable", "Show the 64 points of the graph as a table"),
    ("TTT_Print", "Print the graph"),
    ("TTT_Copy", "Copy the graph picture to the clipboard"),
    ("TTT_Close", "Close this window"),
    ("mnu_File", "&File"),
    ("mnu_SelectTypeGraph", "Select graph &type..."),
    ("mnu_SaveImgAs", "&Save picture as..."),
    ("mnu_Print", "&Print..."),
    ("mnu_Close", "&Close"),
    ("mnu_Edit", "&Edit"),
    ("mnu_Copy", "&Copy picture"),
    ("mnu_View", "&View"),
    ("mnu_DataTable", "&Data table"),
    ("BMP_image", "BMP picture"),
    ("AllFiles", "All files"),
    ("Save", "Save graph picture as"),
    ("ErrorWriteProtectFile",
     "The file or its folder is write-protected. The picture was not saved:"),
    ("CantSaveFile", "The picture could not be saved:"),
    ("CantCopyImg", "The picture could not be copied to the clipboard."),
    ("Error", "Error"),
    ("OKCopyImg", "The graph picture has been copied to the clipboard."),
    ("NoPrinter", "No printer is installed, so the graph cannot be printed."),
]

EGF = [
    ("SelectingTypeGraph", "Graph type"),
    ("SelectTypeGraph", "Choose the quantity to plot along the beam:"),
    ("But_OK", "OK"),
    ("But_Cancel", "Cancel"),
]


def lines(title, table):
    out = ["; TORV - texts of the %s (English)" % title, ""]
    out.extend("[%s]=%s" % kv for kv in table)
    return out


if __name__ == "__main__":
    for key in ("Bot_selGraph", "Bot_DataTable", "Bot_Print", "Bot_Copy", "Bot_Close"):
        assert "&" not in dict(GFV)[key], key
    write("ENG_WIN_GFV.lmo", lines("graph window", GFV))
    write("ENG_WIN_EGF.lmo", lines("graph-type chooser", EGF))
