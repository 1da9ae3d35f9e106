// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
#include <string>

#include "core/records.h"

// The records' own file, records.ini: beside the settings file where the game
// keeps that beside itself, else in the player's data folder. A file that
// cannot be read whole as records (damaged, hostile, no regular file) is set
// aside as records.ini.bad, and what could be read of it is kept.
class RecordsFile : public RecordsKeeper {
public:
    explicit RecordsFile(std::string path) : path_(std::move(path)) {}
    RecordTable Load() override;
    // One replace of the whole file; a failure leaves the old one.
    bool Save(const RecordTable& table) override;

private:
    std::string path_;
};

// Where this run keeps its records.
std::string RecordsFilePath();
