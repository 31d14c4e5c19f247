#include "model/imagemargin.h"

ImageMargin::ImageMargin(QObject* parent)
  : QObject(parent)
{
}

ImageMargin::ImageMargin(const ImageMargin& other)
  : QObject(nullptr)
  , top(other.top)
  , right(other.right)
  , bottom(other.bottom)
  , left(other.left)
{
}

ImageMargin& ImageMargin::operator=(const ImageMargin& other)
{
    top = other.top;
    right = other.right;
    bottom = other.bottom;
    left = other.left;
    return *this;
}
