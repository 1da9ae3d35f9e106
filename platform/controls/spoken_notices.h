// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Texts a screen reader says as they happen, without the focus moving. Qt 6.4
// has no announcement of its own; a screen reader (Orca among them) presents
// a notification when one shows, so each text is a notification that shows
// once. Internal to platform/.
class QString;

// Has a listening screen reader say the text once the event being handled is
// done, after what it says of a focus change meanwhile; the texts given while
// one event is handled are said together, in order, each once.
void SpeakNotice(const QString& text);
