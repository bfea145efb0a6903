#!/usr/bin/env python3
"""Writes the language files of the report's own messages (INF) and of the
report viewer (PLV), in the same form as the main window's files.

Run from anywhere: python3 lang/make_lmo_report.py [folder]
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_lmo import write  # noqa: E402

INF = [
    ("Error", "Error"),
    ("PicturesNotWritten",
     "The report was not made: its graph pictures cannot be written to the "
     "folder"),
    ("NotMade", "The report was not made."),
    ("ReportNotWritten",
     "The report was not made: its file cannot be written:"),
    ("ViewerNotStarted",
     "The report was not shown: the report viewer cannot be started:"),
]

PLV = [
    ("Title", "TORV report"),
    ("Error", "Error"),
    ("NoReportFile", "Give the report file to show: plomview <file>.rex"),
    ("CantReadReport", "The report file cannot be read:"),
    ("NotAReport", "This file is not a TORV report:"),
    ("NotAFile",
     "This is not a report file but a folder, a pipe or a device:"),
    ("TooLarge", "The report file is too large to show:"),
    ("mnu_File", "&File"),
    ("mnu_Print", "&Print..."),
    ("mnu_SavePDF", "&Save as PDF..."),
    ("mnu_Close", "&Close"),
    ("mnu_View", "&View"),
    ("mnu_ZoomIn", "Zoom &in"),
    ("mnu_ZoomOut", "Zoom &out"),
    ("mnu_FitWidth", "&Fit to width"),
    ("mnu_ActualSize", "&Actual size"),
    ("PDF_file", "PDF document"),
    ("AllFiles", "All files"),
    ("SavePDF", "Save the report as PDF"),
    ("CantSavePDF", "The report could not be saved as PDF:"),
    ("NoPrinter", "No printer is installed, so the report cannot be printed."),
    ("CantPrint", "The report could not be printed on the printer:"),
]


def lines(title, table):
    out = ["; TORV - texts of the %s (English)" % title, ""]
    out.extend("[%s]=%s" % kv for kv in table)
    return out


if __name__ == "__main__":
    write("ENG_WIN_INF.lmo", lines("report", INF))
    write("ENG_WIN_PLV.lmo", lines("report viewer", PLV))
