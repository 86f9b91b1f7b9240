#pragma once
// The explorer's pictures, by the resource numbers the windows use: item
// icons, toolbar buttons (by command id), tab icons, the fold button, the
// caption, the Save button and the progress picture.
#include <QIcon>
#include <QPixmap>
#include <vector>

QIcon ZvIcon(int resource);
QPixmap ZvBitmap(int resource);
// Every number some window asks for; each has a picture in the resources.
const std::vector<int>& ZvResourceNumbers();
