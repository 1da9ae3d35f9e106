// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/windows/program_icon.h"

#include "platform/system/program_identity.h"

#include <QApplication>
#include <QIcon>
#include <QImage>

namespace {
// The sizes the desktop icons come in, from a task bar's to a dock's.
constexpr int IconSizes[] = {16, 24, 32, 48, 64, 128, 256};

QIcon IconOf(const Bytes& picture)
{
    const QImage image = QImage::fromData(picture.data(), static_cast<int>(picture.size()));
    QIcon icon;
    if (image.isNull())
        return icon;
    for (const int size : IconSizes)
        icon.addPixmap(QPixmap::fromImage(image.scaled(size, size, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
    return icon;
}
}  // namespace

void SetProgramIcon(const Bytes& picture)
{
    QApplication::setWindowIcon(QIcon::fromTheme(QString::fromLatin1(ProgramId()), IconOf(picture)));
}
