// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Sound playback: every started WAV sound is a voice of its own, mixed with
// the others on the default output device. Without a device, or when the
// device refuses a format, voices are silent and end at once; nothing is shown.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>

// Starts a WAV file held in memory and returns without waiting; the bytes may
// be released as soon as it returns. False, and nothing plays, unless it is
// a playable WAV file (see ParseWav). With `repeat` the voice starts over
// whenever its data is used up, until StopAllSounds.
bool PlaySoundData(std::span<const std::uint8_t> sound, bool repeat = false);
// The same for the whole content of a file; false when it cannot be read.
bool PlaySoundData(const std::string& fileName, bool repeat = false);

// Ends every voice, also those started but not yet heard, and returns at once.
void StopAllSounds();

// Voices started and not yet ended.
std::size_t LiveVoiceCount();

// Stops every voice and closes the output device; a later PlaySoundData opens it anew.
void CloseSoundOutput();

// Tells whether a window is loaded. The first sound waits with opening the
// device for such a window's first frame; the window services install this
// when they start, and without it no window is waited for.
using WindowLoadedQuery = bool (*)();
void SetWindowLoadedQuery(WindowLoadedQuery query);
