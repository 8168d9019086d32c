#pragma once
// A picture object: holds one graphic (a decoded JPEG, or any image Qt reads,
// such as a BMP), tells its owner when its content changes, and draws itself
// scaled into a rectangle.
#include <QImage>
#include <QObject>
#include <QRect>

#include "events.h"

class QPainter;

class TPicture : public QObject {
  Q_OBJECT
 public:
  explicit TPicture(QObject* owner = nullptr);

  // Loads JPEG data (by its signature) or any other image format; an
  // unreadable file raises an error and leaves the picture unchanged.
  void LoadFromData(const QByteArray& data);
  void LoadFromFile(const QString& path);
  void Assign(const TPicture* other);
  void SetImage(const QImage& image);
  void Clear();

  bool HasGraphic() const { return !image_.isNull(); }
  int Width() const { return image_.width(); }
  int Height() const { return image_.height(); }
  const QImage& Image() const { return image_; }

  bool Transparent() const { return transparent_; }
  void SetTransparent(bool value);

  void Draw(QPainter& painter, const QRect& target) const;

  TNotifyEvent OnChange;

 private:
  void Changed();
  QImage image_;
  bool transparent_ = false;
};
