#!/usr/bin/env python3
"""Checks the help pages as a reader meets them.

Usage: check_help.py HELP-FOLDER pages
       check_help.py HELP-FOLDER options TOOL

"pages": every English page has its German page and the other way round;
each page says its language, has one title and one <h1>, and a navigation
bar that names every page of its language in the same order as the contents
page's bar; the contents page links every page; every link, style sheet and
picture leads to a file inside the help folder, and every "#name" to an
element with that id (ids are unique in a page).

"options": every option that a command line in a page uses (a <pre> that
runs quillbay-export) or that an option table lists (a row whose first cell
starts with "--") is one that "TOOL --help" names, so that no page teaches
an option that the tool refuses.

Prints one line per fault and exits 1 when there is any.
"""

import html.parser
import os
import re
import subprocess
import sys
import urllib.parse

LANGUAGES = {"": "en", "de": "de"}  # subfolder -> the pages' language
OPTION = re.compile(r"(?<![\w-])--[a-z][a-z-]*")


class TPage(html.parser.HTMLParser):
    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.Lang = None
        self.Titles = 0
        self.H1s = 0
        self.Ids = []
        self.Links = []  # (tag, address)
        self.NavLinks = []
        self.BodyLinks = []  # the links of <a> outside the navigation bar
        self.Navs = 0
        self.Pres = []
        self.FirstCells = []  # the text of each table row's first cell
        self._InNav = self._InPre = self._InCell = False
        self._CellOfRow = 0
        self._Text = ""

    def handle_starttag(self, Tag, Attrs):
        A = dict(Attrs)
        if Tag == "html":
            self.Lang = A.get("lang")
        if "id" in A:
            self.Ids.append(A["id"])
        self.Titles += Tag == "title"
        self.H1s += Tag == "h1"
        if Tag == "nav":
            self.Navs += 1
            self._InNav = True
        for Key in ("href", "src"):
            if Key in A:
                self.Links.append((Tag, A[Key]))
                if Tag == "a":
                    (self.NavLinks if self._InNav else self.BodyLinks).append(A[Key])
        if Tag == "pre":
            self._InPre, self._Text = True, ""
        if Tag == "tr":
            self._CellOfRow = 0
        if Tag in ("td", "th"):
            self._CellOfRow += 1
            if self._CellOfRow == 1:
                self._InCell, self._Text = True, ""

    def handle_endtag(self, Tag):
        if Tag == "nav":
            self._InNav = False
        if Tag == "pre" and self._InPre:
            self.Pres.append(self._Text)
            self._InPre = False
        if Tag in ("td", "th") and self._InCell:
            self.FirstCells.append(self._Text.strip())
            self._InCell = False

    def handle_data(self, Data):
        if self._InPre or self._InCell:
            self._Text += Data


def ReadPages(Root):
    """{(subfolder, name): TPage} of every .html page of each language."""
    Pages = {}
    for Sub in LANGUAGES:
        Folder = os.path.join(Root, Sub)
        for Name in sorted(os.listdir(Folder)):
            if Name.endswith(".html"):
                Page = TPage()
                with open(os.path.join(Folder, Name), encoding="utf-8") as File:
                    Page.feed(File.read())
                Pages[(Sub, Name)] = Page
    return Pages


def CheckPages(Root):
    Faults = []
    Pages = ReadPages(Root)
    Names = {Sub: {N for (S, N) in Pages if S == Sub} for Sub in LANGUAGES}
    for Sub in LANGUAGES:
        for Other in LANGUAGES:
            for Name in sorted(Names[Sub] - Names[Other]):
                Faults.append(f"{os.path.join(Sub, Name)} has no page in {os.path.join(Other, '') or 'English'}")
    RealRoot = os.path.realpath(Root)
    for (Sub, Name), Page in sorted(Pages.items()):
        Where = os.path.join(Sub, Name)
        if Page.Lang != LANGUAGES[Sub]:
            Faults.append(f"{Where}: <html lang> is {Page.Lang!r}, not {LANGUAGES[Sub]!r}")
        if Page.Titles != 1 or Page.H1s != 1:
            Faults.append(f"{Where}: {Page.Titles} <title> and {Page.H1s} <h1>, not one each")
        for Id in sorted({I for I in Page.Ids if Page.Ids.count(I) > 1}):
            Faults.append(f"{Where}: the id {Id!r} is given twice")
        Bar = Pages[(Sub, "index.html")].NavLinks
        if Page.Navs != 1 or Page.NavLinks != Bar:
            Faults.append(f"{Where}: the navigation bar differs from the contents page's")
        if Name == "index.html":
            if sorted(Bar) != sorted(Names[Sub]):
                Faults.append(f"{Where}: the navigation bar names {sorted(Bar)}, the pages are {sorted(Names[Sub])}")
            Linked = {urllib.parse.urldefrag(A)[0] for A in Page.BodyLinks}
            for Missing in sorted(Names[Sub] - {"index.html"} - Linked):
                Faults.append(f"{Where}: the contents do not link {Missing}")
        for Tag, Address in Page.Links:
            Parts = urllib.parse.urlsplit(Address)
            if Parts.scheme in ("http", "https", "mailto"):
                continue
            if Parts.scheme or Parts.netloc or Parts.query:
                Faults.append(f"{Where}: <{Tag}> {Address} is neither a page of the help nor a web address")
                continue
            Target = os.path.realpath(os.path.join(Root, Sub, urllib.parse.unquote(Parts.path) or Name))
            if os.path.commonpath([RealRoot, Target]) != RealRoot:
                Faults.append(f"{Where}: <{Tag}> {Address} leads out of the help folder")
            elif not os.path.isfile(Target):
                Faults.append(f"{Where}: <{Tag}> {Address} leads to no file")
            elif Parts.fragment:
                Relative = os.path.relpath(Target, RealRoot)
                TargetPage = Pages.get((os.path.dirname(Relative), os.path.basename(Relative)))
                if TargetPage is None or Parts.fragment not in TargetPage.Ids:
                    Faults.append(f"{Where}: <{Tag}> {Address}: no element has the id {Parts.fragment!r}")
    return Faults


def CheckOptions(Root, Tool):
    Help = subprocess.run([Tool, "--help"], capture_output=True, text=True, check=True).stdout
    Known = set(OPTION.findall(Help))
    Faults = []
    for (Sub, Name), Page in sorted(ReadPages(Root).items()):
        Used = set()
        for Pre in Page.Pres:
            if "quillbay-export" in Pre:
                Used |= set(OPTION.findall(Pre))
        for Cell in Page.FirstCells:
            if Cell.startswith("--"):
                Used |= set(OPTION.findall(Cell))
        for Option in sorted(Used - Known):
            Faults.append(f"{os.path.join(Sub, Name)}: {Option} is not an option of {os.path.basename(Tool)}")
    return Faults


def main(Argv):
    if len(Argv) < 3 or Argv[2] not in ("pages", "options") or (Argv[2] == "options") != (len(Argv) == 4):
        print(__doc__, file=sys.stderr)
        return 2
    Faults = CheckPages(Argv[1]) if Argv[2] == "pages" else CheckOptions(Argv[1], Argv[3])
    for Fault in dict.fromkeys(Faults):  # a link written twice is one fault
        print(Fault)
    return 1 if Faults else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
