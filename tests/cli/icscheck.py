#!/usr/bin/env python3
# SPDX-License-Identifier: MIT
# Reads an iCalendar file with the icalendar library and prints what the
# test checks, as JSON: the number of events, whether every one is an
# all-day event of one day (marked VALUE=DATE) with a UID, a DTSTAMP and a description, whether
# the UIDs differ, and each day's titles. Exit 77 without the library.
import datetime
import json
import sys

try:
    import icalendar
except ImportError:
    sys.exit(77)

with open(sys.argv[1], "rb") as f:
    calendar = icalendar.Calendar.from_ical(f.read())

events = list(calendar.walk("VEVENT"))
uids = [str(e["UID"]) for e in events]
titles = {}
sound = True
for event in events:
    start = event.decoded("DTSTART")
    end = event.decoded("DTEND")
    if isinstance(start, datetime.datetime) or end - start != datetime.timedelta(days=1):
        sound = False
    # A date without VALUE=DATE is a DATE-TIME to a strict reader; this library guesses.
    if any(event[key].params.get("VALUE") != "DATE" for key in ("DTSTART", "DTEND")):
        sound = False
    if "DTSTAMP" not in event or not str(event.get("DESCRIPTION", "")):
        sound = False
    titles.setdefault(start.isoformat(), []).append(str(event["SUMMARY"]))
print(json.dumps({
    "version": str(calendar["VERSION"]),
    "events": len(events),
    "allDaySound": sound,
    "uidsDistinct": len(set(uids)) == len(uids),
    "uids": sorted(uids),
    "titles": titles,
}))
