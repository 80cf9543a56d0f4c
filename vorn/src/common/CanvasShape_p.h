// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
/// \file
/// Whether an image has the shape NewBitmap or NewLayer gives, for code that
/// uses an image again instead of making a new one.
#include <QImage>

namespace vorn {

/// True when `image` is what NewBitmap(w, h, ratio) makes but for its pixels:
/// the same device size, ratio, format and resolution.
bool IsBitmapShape(const QImage& image, int w, int h, qreal ratio);
/// The same for what NewLayer(w, h, ratio) makes.
bool IsLayerShape(const QImage& image, int w, int h, qreal ratio);

} // namespace vorn
