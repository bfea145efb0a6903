// The pictures of the About and new-version windows, drawn by the program:
// banners of the green colour theme, the maker's logo and the new-version
// notice.
#pragma once

#include <QPixmap>

namespace shell {

constexpr int kBannerWidth = 519, kBannerHeight = 75;
constexpr int kLogoWidth = 158, kLogoHeight = 58;
constexpr int kNoticeWidth = 102, kNoticeHeight = 140;

QPixmap UpperBannerPicture();
QPixmap LowerBannerPicture();
QPixmap LogoPicture();
QPixmap NewVersionNoticePicture();

}  // namespace shell
