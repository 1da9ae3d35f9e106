#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Runs Orca as its own launcher does, with its debug log in LOG written line
by line, so that a check can follow it while Orca runs.

  orca_logged.py LOG

Unlike the launcher, it neither looks for nor names itself as another Orca,
so that checks run side by side, each with an Orca of its own.
"""
import sys

from orca import debug

debug.debugLevel = debug.LEVEL_ALL
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = open(sys.argv[1], "w", buffering=1, encoding="utf-8")

from orca import orca  # noqa: E402 (reads the debug settings as it loads)

manager = orca.getSettingsManager()
manager.activate(None, {})
sys.path.insert(0, manager.getPrefsDir())
sys.exit(orca.main())
