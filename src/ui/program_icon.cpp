#include "ui/program_icon.h"

#include <QDir>
#include <QFileInfo>
#include <QPainter>
#include <QPixmap>
#include <QSaveFile>

namespace tombolix {

namespace {

QPixmap DrawIcon(int size) {
  QPixmap pixmap(size, size);
  pixmap.fill(Qt::transparent);
  QPainter painter(&pixmap);
  painter.setRenderHint(QPainter::Antialiasing);
  const qreal s = size;
  painter.setPen(Qt::NoPen);
  painter.setBrush(QColor(255, 255, 192));
  painter.drawRoundedRect(QRectF(0, 0, s, s), s * 0.18, s * 0.18);
  painter.setBrush(QColor(255, 128, 128));
  painter.drawEllipse(QRectF(s * 0.12, s * 0.12, s * 0.76, s * 0.76));
  painter.setBrush(Qt::white);
  painter.drawEllipse(QRectF(s * 0.28, s * 0.28, s * 0.44, s * 0.44));
  QFont font;
  font.setBold(true);
  font.setPixelSize(static_cast<int>(s * 0.3));
  painter.setFont(font);
  painter.setPen(QColor(64, 64, 64));
  painter.drawText(QRectF(0, 0, s, s), Qt::AlignCenter, QStringLiteral("T"));
  return pixmap;
}

}  // namespace

QIcon ProgramIcon() {
  QIcon icon;
  for (int size : {16, 32, 64}) icon.addPixmap(DrawIcon(size));
  return icon;
}

bool SaveProgramIcon(const QString& path, int size) {
  if (QFileInfo::exists(path)) return true;
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (!DrawIcon(size).save(&file, "PNG")) return false;
  return file.commit();
}

}  // namespace tombolix
