#!/usr/bin/env python3
"""The year page of Python's calendar.HTMLCalendar with each day cell filled
from events.tsv (date, two text lines), as peers.sh compares it."""
import calendar
import sys
from collections import defaultdict

events_file, year = sys.argv[1], int(sys.argv[2])
texts = defaultdict(list)
prefix = f"{year}-"
with open(events_file) as f:
    for line in f:
        if line.startswith(prefix):
            date, a, b = line.rstrip("\n").split("\t")
            texts[(int(date[5:7]), int(date[8:10]))].append(f"{a}<br>{b}")


class EventCalendar(calendar.HTMLCalendar):
    def formatmonth(self, theyear, themonth, withyear=True):
        self.month = themonth
        return super().formatmonth(theyear, themonth, withyear)

    def formatday(self, day, weekday):
        if day == 0:
            return '<td class="noday">&nbsp;</td>'
        text = "<br>".join(texts.get((self.month, day), []))
        return f'<td class="{self.cssclasses[weekday]}">{day}<br>{text}</td>'


cal = EventCalendar(calendar.SUNDAY)
sys.stdout.write(cal.formatyearpage(year, width=1).decode())
