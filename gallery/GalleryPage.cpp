// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#include "GalleryPage.h"

using namespace vorn;

TGalleryPage::TGalleryPage(QString title, QWidget* parent) : QWidget(parent), FTitle(std::move(title)) {}

void TGalleryPage::Load(const QString& page, const THandlers& handlers)
{
    FObjects = LoadForm(this, QStringLiteral(":/pages/%1.ui").arg(page), handlers);
}
