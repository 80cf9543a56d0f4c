// SPDX-FileCopyrightText: 2026 The Korvel and Vorn developers
// SPDX-License-Identifier: MIT
#pragma once
// The Qt Designer plugin of the Vorn controls: one widget-box entry per
// control in the group "Vorn Controls", all four in one plugin library. The
// entries name the classes with their namespace (vorn::TNumIO2), so that a
// form saved by Designer compiles with uic as it stands. Each control is also
// known by its bare name (TNumIO2), outside the widget box, so that forms
// written for version 1 and the calculator's own window descriptions open
// with the real controls.
//
// Designer initializes each entry with its form editor before it creates a
// control; a control created after that is marked as designing (see
// TSurface::SetDesigning), so that it follows the design-time rules. QUiLoader
// and QFormBuilder never initialize an entry, so a program that loads a form
// through them gets the controls exactly as at run time.
//
// The plugin also teaches Qt's property conversion the controls' colour
// names (clBtnFace, clLime, ...), which window descriptions write as strings
// for the colour properties (TColor, a uint to Qt), so that Designer and
// QUiLoader read them as the program's own loader does.
#include <QtUiPlugin/QDesignerCustomWidgetCollectionInterface>
#include <QtUiPlugin/QDesignerCustomWidgetInterface>

#include <QIcon>
#include <QObject>
#include <QString>

#include <functional>

class QWidget;
namespace vorn {
class TSurface;
}

// What the widget box shows and creates for one control.
struct TVornControlEntry
{
    QString ClassName; // vorn::TNumIO2, or TNumIO2 for the bare-name entry
    QString Header;   // the library header declaring it, e.g. NumIO.h
    QString IconFile; // in the plugin's resources
    QString ToolTip;
    QString WhatsThis;
    std::function<vorn::TSurface*(QWidget* parent)> Create;
    bool InWidgetBox = true; // false: known to forms, not offered in the box (group "[invisible]")
};

class TVornControlPlugin : public QObject, public QDesignerCustomWidgetInterface
{
    Q_OBJECT
    Q_INTERFACES(QDesignerCustomWidgetInterface)

public:
    TVornControlPlugin(TVornControlEntry entry, QObject* parent);

    QString name() const override { return FEntry.ClassName; }
    QString group() const override;
    QString toolTip() const override { return FEntry.ToolTip; }
    QString whatsThis() const override { return FEntry.WhatsThis; }
    // <vorn/NumIO.h> for TNumIO2: the header a program includes.
    QString includeFile() const override;
    QIcon icon() const override;
    bool isContainer() const override { return false; }
    QWidget* createWidget(QWidget* parent) override;
    bool isInitialized() const override { return FInitialized; }
    void initialize(QDesignerFormEditorInterface* core) override;
    // The class, a name to number new controls from, the size the
    // control's constructor gives it, and QWidget as the class it extends.
    QString domXml() const override;

private:
    TVornControlEntry FEntry;
    bool FInitialized = false;
};

class TVornDesignerPlugin : public QObject, public QDesignerCustomWidgetCollectionInterface
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID "org.qt-project.Qt.QDesignerCustomWidgetCollectionInterface")
    Q_INTERFACES(QDesignerCustomWidgetCollectionInterface)

public:
    explicit TVornDesignerPlugin(QObject* parent = nullptr);

    QList<QDesignerCustomWidgetInterface*> customWidgets() const override { return FWidgets; }

private:
    QList<QDesignerCustomWidgetInterface*> FWidgets;
};
