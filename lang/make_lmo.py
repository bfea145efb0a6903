#!/usr/bin/env python3
"""Writes the language files of the main window (KSL) and of the units
dialog (EUN): Windows-1252 text, CR LF line ends, one [KEY]=text per line.

Run from anywhere: python3 lang/make_lmo.py [folder]
"""
import os
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
# The folder written to: this one, or the one given on the command line.
OUT = sys.argv[1] if len(sys.argv) > 1 else HERE

# Tab captions are joined with a case text by " - " into the page title, and
# the graphs split that title at its first "-": no "-" in a tab caption.
# Case texts are shown as plain text and drawn as formula mark-up in graph
# titles: no "&", "_", "^" or "@" in them.
TABS = [
    ("Simply supported", [
        "Uniform load over the whole span",
        "Uniform load over the left half of the span",
        "Uniform load over a length a from support A",
        "Uniform load over a length b starting at a from A",
        "Uniform loads w1 over a from A and w2 over c to B",
        "Load rising linearly from zero at A to w0 at B",
        "Triangular load, zero at the supports, w0 at midspan",
        "Half sine load, w0 at midspan",
        "Point load at midspan",
        "Point load at a distance a from A",
        "Two equal point loads at a from each support",
        "Two equal point loads at a from A and at b from B",
        "Point loads P1 at a from A and P2 at b from B",
        "Couple M0 applied at support B",
        "Couple M0 applied at support A",
        "Couple M0 applied at support A, opposite sense",
        "Couple M0 applied at midspan",
        "Couple M0 applied at a distance a from A",
        "End couples M1 at A and M2 at B, opposite senses",
        "End couples M1 at A and M2 at B, same sense",
        "Equal end couples M0 at A and B (pure bending)",
    ]),
    ("Cantilever", [
        "Uniform load over the whole length",
        "Uniform load over a length a from the fixed end",
        "Uniform load over a length b at the free end",
        "Uniform load over a length b starting at a from A",
        "Load rising linearly from zero at A to w0 at the free end",
        "Load falling linearly from w0 at A to zero at the free end",
        "Cosine load, w0 at the fixed end, zero at the free end",
        "Point load at the free end",
        "Point load at a distance a from the fixed end",
        "Couple M0 applied at the free end",
        "Couple M0 applied at a distance a from the fixed end",
    ]),
    ("Fixed at both ends", [
        "Uniform load over the whole span",
        "Uniform load over the left half of the span",
        "Uniform load over a length a from end A",
        "Uniform load over a length b starting at a from A",
        "Point load at midspan",
        "Point load at a distance a from A",
        "Two equal point loads at a from each end",
        "Couple M0 applied at midspan",
        "Couple M0 applied at a distance a from A",
    ]),
    ("Propped cantilever", [
        "Uniform load over the whole span",
        "Uniform load over a length a from the fixed end A",
        "Uniform load over a length b next to the pinned end B",
        "Uniform load over a length b starting at a from A",
        "Point load at midspan",
        "Point load at a distance a from A",
        "Two equal point loads at a from each end",
        "Couple M0 applied at a distance a from A",
        "Couple M0 applied at the pinned end B",
    ]),
    ("Overhanging beam", [
        "Uniform load over the span and the overhang a",
        "Uniform load over the overhang a only",
        "Point load at the tip of the overhang a",
        "Point load in the span at a from A, overhang c unloaded",
    ]),
]

KSL_MENUS = [
    ("mnu_File", "&File"),
    ("mnu_Exit", "E&xit"),
    ("mnu_TypeBeam", "&Beam type"),
    ("mnu_Setup", "&Settings"),
    ("Decimal_sep", "Decimal &separator"),
    ("Decimal_sep_Dot", "&Point (.)"),
    ("Decimal_sep_Comma", "&Comma (,)"),
    ("Signif_dig", "Significant &digits"),
    ("digits", "digits"),
    ("Units", "&Units..."),
    ("Help0", "&Help"),
    ("Help_Manual", "User &manual"),
    ("Help_WebPage", "&Web page"),
    ("Help_Updates", "&Updates"),
    ("Help_Updates_Now", "Check for updates &now"),
    ("Help_Updates_Settings", "Check &period"),
    ("Help_Updates_Settings_1day", "Every &day"),
    ("Help_Updates_Settings_1week", "Every &week"),
    ("Help_Updates_Settings_1month", "Every &month"),
    ("Help_About", "&About TORV..."),
]

KSL_BUTTONS = [
    ("Lbl_Cal", "Calculate"),
    ("Lbl_Del", "Clear"),
    ("Lbl_Gra", "Graph"),
    ("Lbl_Inf", "Report"),
]

KSL_MESSAGES = [
    ("Error", "Error"),
    ("InvalidInputValues",
     "The data are not valid: every input needs a value, and the lengths, "
     "distances and the position must lie within the beam."),
    ("InvalidInputValuesRead",
     "An input value cannot be read as a number. Type a number such as 2.5, "
     "1.2e3, 3/4 or 15%."),
    # %1 is the row's caption, %2 what was typed in its box.
    ("InputNotANumber",
     "The value typed for %1 is not a number: \"%2\". Type one number such as "
     "2.5, 1.2e3, 3/4 or 15%, without units or other text."),
    # %1 and %2 as above.
    ("InputTooLarge",
     "The value typed for %1 is a number too large to compute with: \"%2\". "
     "Type a smaller value."),
    ("FileNotFoundOpen", "The file cannot be found or opened:"),
    ("NoPdfProgram",
     "No program for PDF files was found to show the manual. Open it with a "
     "PDF reader of your choice; it is the file"),
    ("No_updates", "You have the latest version of TORV: there is no update."),
    ("Update_Failed", "The check for updates could not be made:"),
    ("Update_NoAddress",
     "This copy of TORV was built without an update address, so it cannot "
     "check for updates."),
    ("WebPage_None", "This copy of TORV was built without the address of a web page."),
]

# Graph types: formula mark-up, one "@" before the part that becomes the
# graph's subtitle.
KSL_GRAPHS = [
    ("H_TG1", "Deflection @&+Iy&-I  versus position  &+Ix&-I"),
    ("H_TG2", "Slope @&+I&theta&-I  versus position  &+Ix&-I"),
    ("H_TG3", "Bending moment @&+IM&-I  versus position  &+Ix&-I"),
    ("H_TG4", "Shear force @&+IV&-I  versus position  &+Ix&-I"),
]

# Report phrases: formula mark-up read by the report viewer ("&LF" ends a
# line; "%X%" becomes the position x with its unit).
KSL_REPORT = [
    ("Position", "Position"),
    ("Deflection", "Deflection"),
    ("Slope", "Slope"),
    ("BendMom", "Bending moment"),
    ("ShearF", "Shear force"),
    ("ENU0", "For the beam and loading shown below, with the data given:&LF"),
    ("ENU1", "Plot the deflection, slope, bending moment and shear force along "
             "the beam and tabulate their values"),
    ("ENU2", "Find the support reactions and the maximum values of these four "
             "quantities"),
    ("ENU3", "Find the deflection, slope, bending moment and shear force at the "
             "position %X%"),
    ("Formulae", "Formulae"),
    ("Data", "Data"),
    ("FlexRig", "Flexural rigidity"),
    ("Length", "Length"),
    ("Distance", "Distance"),
    ("DistriLoad", "Distributed load"),
    ("ConcenLoad", "Concentrated load"),
    ("CoupleMome", "Applied couple"),
    ("at_point", "at point"),
    ("Deflection_Deform", "Deflection"),
    ("Slope2", "Slope"),
    ("BendMom2", "Bending moment"),
    ("ShearF2", "Shear force"),
    ("ReactionsF", "Support reactions"),
    ("atx", "at"),
    ("SubstituteObtain", "Substituting the data in these formulae gives"),
    ("atxWeObtain", "At the position %X% the results are"),
]

EUN = [
    ("UnitsSetup", "Units"),
    ("Len_Dis_Pos", "Lengths, distances and positions"),
    ("Defor_Deflec", "Deflections"),
    ("Forces", "Forces and reactions"),
    ("DistribLoad", "Distributed loads"),
    ("Moment", "Bending moments and couples"),
    ("FlexRig", "Flexural rigidity E·I"),
    ("But_OK", "OK"),
    ("But_Cancel", "Cancel"),
    ("But_Apply", "Apply"),
]


def ksl_lines():
    out = ["; TORV - texts of the main window (English)", ""]
    out.append("; Support types (tabs) and their load cases")
    out.append("[NTTV]=%d" % len(TABS))
    for i, (caption, cases) in enumerate(TABS, start=1):
        out.append("[TV%d]=%s" % (i, caption))
    for i, (caption, cases) in enumerate(TABS, start=1):
        out.append("")
        out.append("; %s" % caption)
        out.append("[NTC_V%d]=%d" % (i, len(cases)))
        for j, text in enumerate(cases):
            out.append("[TC_V%d]=%s" % (100 * i + j, text))
    for title, table in (("Menus", KSL_MENUS), ("Buttons", KSL_BUTTONS),
                         ("Messages", KSL_MESSAGES), ("Graph types", KSL_GRAPHS),
                         ("Report", KSL_REPORT)):
        out.append("")
        out.append("; " + title)
        out.extend("[%s]=%s" % kv for kv in table)
    return out


def eun_lines():
    out = ["; TORV - texts of the units dialog (English)", ""]
    out.extend("[%s]=%s" % kv for kv in EUN)
    return out


def write(name, lines):
    data = ("\r\n".join(lines) + "\r\n").encode("cp1252")
    with open(os.path.join(OUT, name), "wb") as f:
        f.write(data)


if __name__ == "__main__":
    for caption, _ in TABS:
        assert "-" not in caption
    for _, cases in TABS:
        for text in cases:
            assert not set("&_^@-") & set(text), text
    for _, text in KSL_GRAPHS:
        assert text.count("@") == 1
    write("ENG_WIN_KSL.lmo", ksl_lines())
    write("ENG_WIN_EUN.lmo", eun_lines())
