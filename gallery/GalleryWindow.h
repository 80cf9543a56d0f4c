// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// The gallery's main window: a tab for each page, each page in a scroll area
// so that it stays whole on a small or scaled screen.
#include <QMainWindow>

#include <vector>

class QTabWidget;
class TGalleryPage;

class TfrmGallery : public QMainWindow
{
    Q_OBJECT

public:
    explicit TfrmGallery(QWidget* parent = nullptr);

    QTabWidget* Tabs() const { return FTabs; }
    const std::vector<TGalleryPage*>& Pages() const { return FPages; }

private:
    QTabWidget* FTabs;
    std::vector<TGalleryPage*> FPages;
    void AddPage(TGalleryPage* page);
};

extern TfrmGallery* frmGallery;
