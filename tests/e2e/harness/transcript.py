"""The driver's transcript: one JSON record a line, each with its tick "t"
(GetTickCount, the clock of the sample log) and its "event"."""

import json


class Transcript:
    def __init__(self, path):
        self.records = []
        if path is None:
            return
        try:
            with open(path, encoding="latin-1") as transcript:
                self.records = [json.loads(line) for line in transcript if line.strip()]
        except FileNotFoundError:
            pass

    def events(self, event):
        return [record for record in self.records if record["event"] == event]

    def first(self, event, **fields):
        """The first record of the event whose fields have these values."""
        for record in self.events(event):
            if all(record.get(name) == value for name, value in fields.items()):
                return record
        return None

    def of_step(self, text_start):
        """A transcript of the records from the first step whose text starts
        with text_start up to the next step."""
        part = Transcript(None)
        inside = False
        for record in self.records:
            if record["event"] == "step":
                inside = record["text"].startswith(text_start) and not part.records
            if inside:
                part.records.append(record)
        return part

    @property
    def completed(self):
        return bool(self.events("end"))

    def windows(self):
        return self.events("window")

    def broadcasts(self):
        return [record["wParam"] for record in self.events("broadcast")]

    def registry(self, key):
        """The values that reg-dump found in key (not in its sub-keys), by
        name; None when the key did not exist."""
        found = self.first("reg-key", key=key)
        if not found or not found["exists"]:
            return None
        return {record["name"]: record["data"] for record in self.events("reg-value")
                if record["key"].lower() == key.lower()}

    def format(self):
        lines = []
        for record in self.records:
            rest = {name: value for name, value in record.items() if name not in ("t", "event", "controls")}
            lines.append("%d %s %s" % (record["t"], record["event"], json.dumps(rest) if rest else ""))
            for control in record.get("controls", []):
                lines.append("      control %s" % json.dumps(control))
        return "\n".join(lines) or "(empty)"
