#!/usr/bin/env python3
"""Packs the operating guide resources/help/guide.html into the MIME-HTML help document
that sits beside the program. Rerun with `python3 tools/make_help.py` from the repository root;
the output is the same every time (fixed boundary, no date).
"""
import base64
from pathlib import Path

root = Path(__file__).resolve().parent.parent
html = (root / "resources" / "help" / "guide.html").read_bytes()
boundary = "----=_NextPart_roomlet_help_0001"
body = base64.encodebytes(html).decode("ascii").replace("\n", "\r\n")
doc = (
    "From: <Saved by roomlet>\r\n"
    "Subject: =?utf-8?B?" + base64.b64encode("禾川房屋出租操作说明".encode()).decode() + "?=\r\n"
    "MIME-Version: 1.0\r\n"
    f'Content-Type: multipart/related; type="text/html"; boundary="{boundary}"\r\n'
    "\r\n"
    "This is a multi-part message in MIME format.\r\n"
    "\r\n"
    f"--{boundary}\r\n"
    'Content-Type: text/html; charset="utf-8"\r\n'
    "Content-Transfer-Encoding: base64\r\n"
    "Content-Location: file:///guide.html\r\n"
    "\r\n"
    + body
    + f"\r\n--{boundary}--\r\n"
)
(root / "resources" / "禾川房屋出租操作说明.mht").write_bytes(doc.encode("ascii"))
