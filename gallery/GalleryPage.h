// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// A page of the gallery: a plain widget built from its description in
// pages/, with the page's handlers bound by name as in the program's windows.
#include "FormLoader.h"

#include <QString>
#include <QWidget>

class TGalleryPage : public QWidget
{
public:
    // `title` is the page's name on its tab.
    TGalleryPage(QString title, QWidget* parent = nullptr);

    const QString& Title() const { return FTitle; }

protected:
    // Builds the page from ":/pages/<page>.ui".
    void Load(const QString& page, const vorn::THandlers& handlers = {});
    // The page's control called `name`, which must be a T.
    template <class T>
    T* Member(const QString& name) const
    {
        return vorn::FormMember<T>(FObjects, objectName(), name);
    }

private:
    QString FTitle;
    vorn::TFormObjects FObjects;
};
