// SPDX-License-Identifier: GPL-3.0-or-later
// A save of the game's settings: 32 profile writes into one small file, as
// the settings store makes them. Each write may cost one read of the file and
// one atomic replace of it; the baseline does exactly that (read, write a
// temporary file beside it, sync, rename) for every write, in the same run,
// on the same folder. The figures are medians over the saves.
#include "platform/files/files.h"
#include "platform/files/profile.h"

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

// Microseconds per write of one save: the median over the saves.
double MedianPerWrite(const std::function<void(int)>& save, std::size_t writes)
{
    std::vector<double> perWrite;
    for (int round = 0; round < Saves; ++round) {
        const auto start = std::chrono::steady_clock::now();
        save(round);
        const std::chrono::duration<double, std::micro> spent = std::chrono::steady_clock::now() - start;
        perWrite.push_back(spent.count() / static_cast<double>(writes));
    }
    std::nth_element(perWrite.begin(), perWrite.begin() + Saves / 2, perWrite.end());
    return perWrite[Saves / 2];
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

    const auto saveWith = [&](int values) {
        for (std::size_t i = 0; i < order.size(); ++i) {
            if (!WriteProfileText(file, order[i].section, order[i].key, Value(i, values))) {
                std::fprintf(stderr, "profile_writes: a write failed\n");
                std::exit(1);
            }
        }
    };
    saveWith(-1);
    const qint64 fileSize = QFile(path).size();

    const double changed = MedianPerWrite([&](int round) { saveWith(round); }, order.size());
    if (ReadProfileText(file, "主窗口", "高度") != Value(order.size() - 1, Saves - 1)) {
        std::fprintf(stderr, "profile_writes: the last save did not arrive\n");
        return 1;
    }
    const double unchanged = MedianPerWrite([&](int) { saveWith(Saves - 1); }, order.size());
    const double baseline = MedianPerWrite(
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

    std::printf("profile writes: %zu writes per settings save into a file of %lld bytes, median of %d saves\n",
                order.size(), static_cast<long long>(fileSize), Saves);
    std::printf("  every value changed:          %8.1f us per write, %8.1f us per save\n", changed,
                changed * static_cast<double>(order.size()));
    std::printf("  no value changed:             %8.1f us per write\n", unchanged);
    std::printf("  baseline (read + atomic replace): %5.1f us per write\n", baseline);
    std::printf("  ratio changed / baseline:     %8.2f\n", changed / baseline);
    return 0;
}
