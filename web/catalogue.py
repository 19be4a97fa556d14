#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# Writes the page's catalogue of translations, a C++ header, from the program's own .ts files:
# every language's translation of the window's texts and the page's.
# Usage: catalogue.py OUTPUT LINGUAS TS-FOLDER
import json
import sys
import xml.etree.ElementTree as ElementTree

CONTEXTS = {"window::Form1", "PictureLoadError", "web::Page"}

output, linguas, folder = sys.argv[1:4]
with open(linguas, encoding="utf-8") as lines:
    languages = [line.strip() for line in lines if line[:1].isalpha()]

rows = []
for language in languages:
    ts = f"{folder}/tessk-research_{language}.ts"
    for context in ElementTree.parse(ts).iter("context"):
        name = context.findtext("name")
        if name not in CONTEXTS:
            continue
        for message in context.iter("message"):
            translation = message.find("translation")
            if translation.get("type") or not translation.text:
                sys.exit(f"{ts}: {message.findtext('source')!r} is not translated")
            texts = (language, name, message.findtext("source"), translation.text)
            rows.append("    CatalogueEntry{ " + ", ".join(json.dumps(t, ensure_ascii=False) for t in texts) + " },")

quoted = ", ".join(json.dumps(language) for language in languages)
header = f"""// Written by web/catalogue.py from translations/; do not edit.
#pragma once

#include <array>
#include <string_view>

namespace web {{

struct CatalogueEntry {{
    std::string_view language;
    std::string_view context;
    std::string_view source;
    std::string_view translation;
}};

inline constexpr std::array<std::string_view, {len(languages)}> kLanguages{{ {quoted} }};

inline constexpr std::array<CatalogueEntry, {len(rows)}> kCatalogue{{
{chr(10).join(rows)}
}};

}} // namespace web
"""
with open(output, "w", encoding="utf-8") as out:
    out.write(header)
