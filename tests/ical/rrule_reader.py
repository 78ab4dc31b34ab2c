"""Reads an iCalendar file as an independent program does (python3-icalendar
with python3-recurring-ical-events) and prints the start day of every
occurrence, one ISO date a line, in rising order."""
import datetime
import sys

import icalendar
import recurring_ical_events

with open(sys.argv[1], "rb") as f:
    calendar = icalendar.Calendar.from_ical(f.read())
occurrences = recurring_ical_events.of(calendar).between(datetime.date(1900, 1, 1), datetime.date(9999, 1, 1))
for day in sorted(e["DTSTART"].dt for e in occurrences):
    print(day.isoformat())
