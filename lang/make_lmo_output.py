#!/usr/bin/env python3
"""Writes the language files of the results table window (TAV) and of the
print dialog (PRD), in the same form as the main window's files.

Run from anywhere: python3 lang/make_lmo_output.py [folder]
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_lmo import write  # noqa: E402

# Toolbar and dialog-button captions are plain labels: no "&" in them. Menu
# captions keep "&" before their access key.
TAV = [
    ("DataTable", "Data table"),
    ("Bot_Print", "Print"),
    ("Bot_Copy", "Copy"),
    ("Bot_Close", "Close"),
    ("TTT_Copy", "Copy the table to the clipboard as text"),
    ("TTT_Close", "Close this window"),
    ("mnu_File", "&File"),
    ("mnu_SaveTableAs", "&Save table as..."),
    ("mnu_Print", "&Print..."),
    ("mnu_Close", "&Close"),
    ("mnu_Edit", "&Edit"),
    ("mnu_Copy", "&Copy table"),
    ("TXT_file", "Text file"),
    ("AllFiles", "All files"),
    ("Save", "Save table as"),
    ("CantSaveFile", "The table could not be saved:"),
    ("CantCopyTable", "The table could not be copied to the clipboard."),
    ("Error", "Error"),
    ("OKCopyTable", "The table has been copied to the clipboard as text."),
    ("NoPrinter", "No printer is installed, so the table cannot be printed."),
]

PRD = [
    ("Print", "Print"),
    ("Printer", "Printer"),
    ("NumberCopies", "Number of copies:"),
    ("Collate", "Collate"),
    ("Black&White", "Black and white"),
    ("Cancel", "Cancel"),
    ("TooMuchCopies", "The number of copies must be from 1 to 1999."),
]


def lines(title, table):
    out = ["; TORV - texts of the %s (English)" % title, ""]
    out.extend("[%s]=%s" % kv for kv in table)
    return out


if __name__ == "__main__":
    for key in ("Bot_Print", "Bot_Copy", "Bot_Close"):
        assert "&" not in dict(TAV)[key], key
    for key in ("Print", "Cancel", "NumberCopies", "Black&White"):
        assert "&" not in dict(PRD)[key], key
    write("ENG_WIN_TAV.lmo", lines("results table window", TAV))
    write("ENG_WIN_PRD.lmo", lines("print dialog", PRD))
