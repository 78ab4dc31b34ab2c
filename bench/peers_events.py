#!/usr/bin/env python3
"""Writes the same 10,000 events over 30 years (2011-2040) in the input form of
each tool compared by peers.sh: a Quillbay document, a pcal date file, a
remind file and a tab-separated list for Python's HTMLCalendar."""
import datetime
import random
import sys

out = sys.argv[1] if len(sys.argv) > 1 else "."
rng = random.Random(2026)
first = datetime.date(2011, 1, 1)
span = (datetime.date(2040, 12, 31) - first).days + 1
days = sorted(rng.sample(range(span), 10000))
places = ["Parish hall", "Club house", "School gym", "Market square", "Library"]
events = []
for n in days:
    d = first + datetime.timedelta(days=n)
    events.append((d, f"Choir practice {n % 97}", f"{places[n % 5]}, 7 pm"))

epoch = datetime.date(1899, 12, 30)
with open(f"{out}/events.qby", "w", newline="") as f:
    lines = ["object TEventList", "  Items = <"]
    for d, a, b in events:
        lines += ["    item", f"      Date = {(d - epoch).days}", f"      Text = '{a}'#13#10'{b}'", "    end"]
    lines[-1] = "    end>"
    lines += ["  Style.Caption.Align = 'center'", "  Style.Caption.BGColor = 6566450",
              "  Style.Caption.FontName = 'Arial'", "  Style.Caption.FontColor = clWhite",
              "  Style.Caption.FontSize = 16", "  Style.Caption.FontStyle = [fsBold]",
              "  Style.Events.Align = 'left'", "  Style.Events.BGColor = 7877170",
              "  Style.Events.FontName = 'Arial'", "  Style.Events.FontColor = clWhite",
              "  Style.Events.FontSize = 10", "  Style.BorderColor = 9453632", "  Style.BorderWidth = 1",
              "  Style.CellPadding = 3", "  Style.ShowYear = True", "  Style.ShowCaption = True",
              "  Style.MonthAsString = True", "  Style.CaptionBottomMargin = 6", "  Style.Title = 'Calendar'",
              "  Style.Width = '100%'", "  Style.BlankEventsText = '<br>'", "  RowSpacing = 15", "end"]
    f.write("\r\n".join(lines) + "\r\n")

with open(f"{out}/events.pcal", "w") as f:
    for d, a, b in events:
        f.write(f"{d.month:02}/{d.day:02}/{d.year} {a}\n{d.month:02}/{d.day:02}/{d.year} {b}\n")

with open(f"{out}/events.rem", "w") as f:
    for d, a, b in events:
        f.write(f"REM {d.day} {d.strftime('%b')} {d.year} MSG {a}, {b}\n")

with open(f"{out}/events.tsv", "w") as f:
    for d, a, b in events:
        f.write(f"{d.isoformat()}\t{a}\t{b}\n")
