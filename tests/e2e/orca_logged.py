#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs Orca with its debug log written line by line, so that a check can
follow it while Orca runs.

  orca_logged.py LOG [ORCA OPTIONS]
"""
import builtins
import runpy
import sys

log = sys.argv[1]
plain_open = builtins.open


def line_buffered_log(file, mode="r", *args, **kwargs):
    if file == log and not args and "buffering" not in kwargs:
        kwargs["buffering"] = 1
    return plain_open(file, mode, *args, **kwargs)


builtins.open = line_buffered_log
sys.argv = ["orca", "--debug-file", log] + sys.argv[2:]
runpy.run_path("/usr/bin/orca", run_name="__main__")
