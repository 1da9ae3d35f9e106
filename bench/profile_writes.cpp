// SPDX-License-Identifier: GPL-3.0-or-later
// A save of the game's settings: 32 profile writes into one small file, as
// the settings store makes them. The game makes them as one edit: one read of
// the file and one atomic replace of it. Write by write, as a write outside a
// save is made, each costs a read and a replace. The baseline is what one
// write costs: a read and an atomic replace (a temporary file beside it,
// synced and renamed), in the same run, on the same folder. The figures are
// medians over the saves.
#include "platform/files/files.h"
#include "platform/files/profile.h"
#include "platform/files/profile_edit.h"

#include <QByteArray>
#include <QFile>
#include <QSaveFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

namespace {

constexpr int Saves = 40;

struct Entry {
    std::string section;
    std::string key;
};

// The keys of a settings save, in the order they are written.
std::vector<Entry> SaveOrder()
{
    std::vector<Entry> order;
    for (const char* prefix : {"柱.", "主柱.", "横.", "基."}) {
        for (const char* suffix : {"颜色1", "颜色2", "颜色3", "渐变", "边框"})
            order.push_back({"渐变颜色", std::string(prefix) + suffix});
    }
    for (const char* key : {"柱数", "主柱", "横数", "静音       (J)", "正确放下方计一步", "底图次序", "逆向模式"})
        order.push_back({"综合", key});
    for (const char* key : {"位置", "左边", "顶边", "宽度", "高度"})
        order.push_back({"主窗口", key});
    return order;
}

// The value of the entry at `index` in save number `save`; values of
// different saves differ, so every write changes the file.
std::string Value(std::size_t index, int save)
{
    if (index == 23 || index == 24 || index == 26)
        return save % 2 ? "真" : "假";
    return std::to_string(16711935 - static_cast<int>(index) * 1000 + save);
}

// Microseconds per part (a write, or the whole save) of one save: the median
// over the saves.
double MedianMicroseconds(const std::function<void(int)>& save, std::size_t parts)
{
    std::vector<double> perPart;
    for (int round = 0; round < Saves; ++round) {
        const auto start = std::chrono::steady_clock::now();
        save(round);
        const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
        perPart.push_back(spent.count() / static_cast<double>(parts));
    }
    std::nth_element(perPart.begin(), perPart.begin() + Saves / 2, perPart.end());
    return perPart[Saves / 2];
}

}  // namespace

int main()
{
    // Beside the executable, where the game keeps its settings file.
    QTemporaryDir dir(QString::fromStdString(RunDirectory()) + QStringLiteral("/profile_writes-XXXXXX"));
    if (!dir.isValid()) {
        std::fprintf(stderr, "profile_writes: no temporary folder\n");
        return 1;
    }
    const QString path = dir.filePath(QStringLiteral("Korvel·汉诺塔.ini"));
    const std::string file = path.toStdString();
    const std::vector<Entry> order = SaveOrder();

    const auto check = [](bool written) {
        if (!written) {
            std::fprintf(stderr, "profile_writes: a write failed\n");
            std::exit(1);
        }
    };
    const auto writeByWrite = [&](int values) {
        for (std::size_t i = 0; i < order.size(); ++i)
            check(WriteProfileText(file, order[i].section, order[i].key, Value(i, values)));
    };
    const auto oneSave = [&](int values) {
        ProfileEdit edit(file);
        for (std::size_t i = 0; i < order.size(); ++i)
            check(edit.Write(order[i].section, order[i].key, Value(i, values)));
        check(edit.Commit());
    };
    const auto arrived = [&](int values) {
        if (ReadProfileText(file, "主窗口", "高度") != Value(order.size() - 1, values)) {
            std::fprintf(stderr, "profile_writes: the last save did not arrive\n");
            std::exit(1);
        }
    };
    writeByWrite(-1);
    const qint64 fileSize = QFile(path).size();

    // Saves of every value changed: each round writes values of its own.
    const double saveChanged = MedianMicroseconds([&](int round) { oneSave(round); }, 1);
    arrived(Saves - 1);
    const double saveUnchanged = MedianMicroseconds([&](int) { oneSave(Saves - 1); }, 1);
    const double changed = MedianMicroseconds([&](int round) { writeByWrite(Saves + round); }, order.size());
    arrived(2 * Saves - 1);
    const double unchanged = MedianMicroseconds([&](int) { writeByWrite(2 * Saves - 1); }, order.size());
    const double baseline = MedianMicroseconds(
        [&](int) {
            for (std::size_t i = 0; i < order.size(); ++i) {
                QFile in(path);
                in.open(QIODevice::ReadOnly);
                const QByteArray bytes = in.readAll();
                in.close();
                QSaveFile out(path);
                out.open(QIODevice::WriteOnly);
                out.write(bytes);
                out.commit();
            }
        },
        order.size());

    const double perSave = static_cast<double>(order.size());
    std::printf("profile writes: %zu writes per settings save into a file of %lld bytes, median of %d saves\n",
                order.size(), static_cast<long long>(fileSize), Saves);
    std::printf("  one save, every value changed: %8.2f ms per save\n", saveChanged / 1000);
    std::printf("  one save, no value changed:    %8.2f ms per save\n", saveUnchanged / 1000);
    std::printf("  write by write, every value changed: %8.1f us per write, %8.1f us per save\n", changed,
                changed * perSave);
    std::printf("  write by write, no value changed:    %8.1f us per write\n", unchanged);
    std::printf("  baseline (read + atomic replace): %5.1f us per write, %5.2f ms\n", baseline, baseline / 1000);
    std::printf("  ratio one save (changed) / baseline:       %8.2f\n", saveChanged / baseline);
    std::printf("  ratio write by write (changed) / baseline: %8.2f\n", changed / baseline);
    return 0;
}
