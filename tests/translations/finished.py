#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# Every translation finished: lupdate, run over the sources into a copy of each .ts file, leaves no
# text unfinished, vanished or obsolete, and each translation holds the placeholders of its source
# (%1, %L1, ...), no more and no fewer.
# Usage: finished.py LUPDATE SOURCES-LIST TS-FILE...
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ElementTree

lupdate, sources, problems = sys.argv[1], sys.argv[2], []
for ts in sys.argv[3:]:
    with tempfile.TemporaryDirectory() as work:
        copy = shutil.copy(ts, work)
        subprocess.run([lupdate, "-silent", "-locations", "none", "@" + sources, "-ts", copy], check=True)
        for message in ElementTree.parse(copy).iter("message"):
            source, translation = message.findtext("source"), message.find("translation")
            placeholders = [sorted(re.findall(r"%L?\d+", text or "")) for text in (source, translation.text)]
            if translation.get("type") or placeholders[0] != placeholders[1]:
                problems.append(f"{ts}: {translation.get('type') or 'placeholders'}: {source!r} -> {translation.text!r}")
print("\n".join(problems) or f"{len(sys.argv) - 3} translations finished")
sys.exit(1 if problems else 0)
