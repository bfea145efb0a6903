#!/usr/bin/env python3
"""Writes the language file of the new-version window (A2R), in the same
form as the main window's files.

Run from anywhere: python3 lang/make_lmo_shell.py [folder]
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_lmo import write  # noqa: E402

# "%NOM%" stands for the program's name. Button captions are plain labels:
# no "&" in them.
A2R = [
    ("New_ver_avail", "A new version of %NOM% is available. You can download it from:"),
    ("Installed_ver", "Installed version:"),
    ("Available_ver", "Available version:"),
    ("Close_bef_ins", "Please close %NOM% before you install the new version."),
    ("But_Ok", "Download"),
    ("But_Cancel", "Cancel"),
]

if __name__ == "__main__":
    lines = ["; TORV - texts of the new-version window (English)", ""]
    lines.extend("[%s]=%s" % kv for kv in A2R)
    write("ENG_WIN_A2R.lmo", lines)
