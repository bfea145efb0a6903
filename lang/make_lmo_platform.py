#!/usr/bin/env python3
"""Writes the language file of the platform's own messages (TMP: the user's
private work folder and the settings store), in the same form as the main
window's files.

Run from anywhere: python3 lang/make_lmo_platform.py [folder]
"""
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_lmo import write  # noqa: E402

# The message reads: FolderRefused, the folder, what is wrong with it, then
# what the user can do about it.
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
    ("FolderRemoveIt",
     "Remove or rename it (someone else may have put it there); %NEXT% "
     "makes the folder again, private to you."),
    ("FolderMakePrivate",
     "Make it private (chmod 700 %FOLDER%), or remove it and let %NEXT% "
     "make it again."),
    ("FolderMakeRoom",
     "Check that the folder above it exists, that you may write in it and "
     "that the disk is not full, then %AGAIN%."),
    ("FolderUnsafeParent",
     "Other users could swap it for another folder: %PARENT% above it %WHY%."),
    ("ParentForeign", "belongs to another user"),
    ("ParentNotFolder", "is not a folder"),
    ("ParentUnchecked", "cannot be checked:"),
    ("ParentOpen",
     "may be written by others without the sticky bit (its permissions are "
     "%MODE%)"),
    ("FolderSafeParent",
     "Set XDG_CACHE_HOME to a folder of your own that only you may change "
     "(or leave it unset to use ~/.cache), then %AGAIN%."),
    # What makes the folder again, and what to do then: the command that met it.
    ("NextReport", "the next report"),
    ("NextCheck", "the next update check"),
    ("AgainReport", "make the report again"),
    ("AgainCheck", "check for updates again"),
]

# The message reads: SettingsNotSaved, the settings file, then the cause.
SETTINGS = [
    ("SettingsNotSaved",
     "Your settings could not be saved; they hold only until TORV closes. "
     "The settings file:"),
    ("SettingsNotSavedAtClose",
     "Your settings could not be saved, so TORV will not have them when it "
     "starts again. The settings file:"),
    ("SettingsNoReason", "The system gave no reason."),
]

if __name__ == "__main__":
    write("ENG_WIN_TMP.lmo",
          ["; TORV - texts of the private work folder (English)", ""] +
          ["[%s]=%s" % kv for kv in TMP + SETTINGS])
