// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A control that may hold typing not yet taken (an edit box). A window
// finishes it before its close query: a number typed just before closing counts.
class PendingTyping {
public:
    // Raises the event for typing not yet taken, if any.
    virtual void FinishTyping() = 0;

protected:
    ~PendingTyping() = default;
};
