#!/usr/bin/python3
"""Reads an iCalendar file with an independent reader (Python's icalendar and
recurring-ical-events) and prints the lines its events give on each day from
FROM to TO in ZONE, one "YYYY-MM-DD text" per line, sorted: "HH:MM Summary" on
the start day of a timed event, "Summary" on its further days and on every
day of an all-day event. Cancelled events and events without a summary give
nothing.

usage: reference.py FILE.ics FROM TO ZONE
"""
import datetime
import sys
import warnings
from zoneinfo import ZoneInfo

warnings.filterwarnings("ignore")
import icalendar  # noqa: E402
import recurring_ical_events  # noqa: E402

path, first, last, zone = sys.argv[1:5]
first = datetime.date.fromisoformat(first)
last = datetime.date.fromisoformat(last)
local = ZoneInfo(zone)
with open(path, "rb") as f:
    calendar = icalendar.Calendar.from_ical(f.read())

lines = set()
reach = datetime.timedelta(days=3)
for event in recurring_ical_events.of(calendar).between(first - reach, last + reach):
    summary = event.get("SUMMARY")
    if not summary or str(event.get("STATUS", "")).upper() == "CANCELLED":
        continue
    summary = " ".join(str(summary).split())
    start = event["DTSTART"].dt
    if "DTEND" in event:
        end = event["DTEND"].dt
    elif "DURATION" in event:
        end = start + event["DURATION"].dt
    else:
        end = start + datetime.timedelta(days=1) if not isinstance(start, datetime.datetime) else start
    days = []
    if isinstance(start, datetime.datetime):
        if start.tzinfo is not None:
            start = start.astimezone(local)
            end = end.astimezone(local)
        last_day = max(start.date(), (end - datetime.timedelta(minutes=1)).date())
        day = start.date()
        while day <= last_day:
            days.append((day, start.strftime("%H:%M ") + summary if day == start.date() else summary))
            day += datetime.timedelta(days=1)
    else:
        end = end if end > start else start + datetime.timedelta(days=1)
        day = start
        while day < end:
            days.append((day, summary))
            day += datetime.timedelta(days=1)
    for day, text in days:
        if first <= day <= last:
            lines.add("%s %s" % (day.isoformat(), text))
print("\n".join(sorted(lines)))
