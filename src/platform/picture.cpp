#include "picture.h"

#include <QFile>
#include <QPainter>
#include <stdexcept>

#include "jpeg.h"

TPicture::TPicture(QObject* owner) : QObject(owner) {}

void TPicture::LoadFromData(const QByteArray& data) {
  QImage decoded;
  if (LooksLikeJpeg(data)) {
    decoded = DecodeJpeg(data);
  } else if (!decoded.loadFromData(data)) {
    throw std::runtime_error("Unknown picture file format");
  }
  SetImage(decoded.convertToFormat(QImage::Format_RGB32));
}

void TPicture::LoadFromFile(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly))
    throw std::runtime_error("Cannot open file \"" + path.toStdString() + "\"");
  LoadFromData(file.readAll());
}

void TPicture::Assign(const TPicture* other) {
  if (other) {
    transparent_ = other->transparent_;
    SetImage(other->image_);
  } else {
    Clear();
  }
}

void TPicture::SetImage(const QImage& image) {
  image_ = image;
  Changed();
}

void TPicture::Clear() {
  if (image_.isNull()) return;
  image_ = QImage();
  Changed();
}

void TPicture::SetTransparent(bool value) {
  if (transparent_ == value) return;
  transparent_ = value;
  Changed();
}

void TPicture::Draw(QPainter& painter, const QRect& target) const {
  if (image_.isNull() || target.isEmpty()) return;
  if (target.size() == image_.size())
    painter.drawImage(target.topLeft(), image_);
  else
    painter.drawImage(target, image_);
}

void TPicture::Changed() {
  if (OnChange) OnChange(this);
}
