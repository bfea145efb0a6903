#!/usr/bin/env python3
"""Writes the language file of the platform's own messages (TMP: the user's
private work folder), in the same form as the main window's files.

Run from anywhere: python3 lang/make_lmo_platform.py [folder]
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_lmo import write  # noqa: E402

# The message reads: FolderRefused, the folder, then one of the others.
TMP = [
    ("FolderRefused",
     "Nothing was written: the private work folder cannot be used:"),
    ("FolderMissing", "It does not exist and cannot be made:"),
    ("FolderLink", "It is a symbolic link, not a folder of its own."),
    ("FolderNotFolder", "It is not a folder."),
    ("FolderForeign", "It belongs to another user."),
    ("FolderOpen",
     "Other users may use it: its permissions are %MODE%; they must be "
     "0700 (rwx------)."),
]

if __name__ == "__main__":
    write("ENG_WIN_TMP.lmo",
          ["; TORV - texts of the private work folder (English)", ""] +
          ["[%s]=%s" % kv for kv in TMP])
