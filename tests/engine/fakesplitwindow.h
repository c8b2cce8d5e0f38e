#pragma once

#include "engine/splitwindow.h"
#include "fakeservices.h"
#include "platform/pathrules.h"

#include <QStringList>
#include <functional>

namespace quarnix::testing {

// The main window as the split job sees it, without widgets. Every call the job
// makes is appended to `events` as one line, so a test can check the order of
// status lines, repaints, pointer changes, focus changes, message boxes and
// folder-picker openings:
//
//   source=TEXT, destination=TEXT   a field written by the job
//   status=TEXT                     the status line set (empty: "status=")
//   repaint status, repaint window
//   pointer busy, pointer default
//   focus source, focus destination
//   box [TITLE]                     a message box; the full box is in messages.shown
//   picker                          the folder picker opened
//
// Message boxes go through a FakeMessageBoxes, so answers are scripted there and
// its onShow hook runs while the box is up.
class FakeSplitWindow final : public engine::SplitWindow {
public:
    QString source;
    QString destination;
    QString number = QStringLiteral("2");
    QString size = QStringLiteral("1.25");
    bool bySize = true;

    // The destination field's change handling follows this path style.
    platform::PathStyle style = platform::nativePathStyle();

    QString status;
    bool busy = false;
    QStringList events;
    FakeMessageBoxes messages;

    // Runs after the status line has been set, with its new text: lets a test act
    // at a given point of the job (change the source, fill the disk).
    std::function<void(const QString&)> onStatus;

    QString sourceText() const override { return source; }
    void setSourceText(const QString& text) override;
    QString destinationText() const override { return destination; }
    void setDestinationText(const QString& text) override;
    QString numberText() const override { return number; }
    QString sizeText() const override { return size; }
    bool isSizeSelected() const override { return bySize; }

    void setStatus(const QString& text) override;
    void repaintStatus() override { events.append(QStringLiteral("repaint status")); }
    void repaintWindow() override { events.append(QStringLiteral("repaint window")); }
    void setBusyPointer(bool on) override;
    void focusBrowseSource() override { events.append(QStringLiteral("focus source")); }
    void focusBrowseDestination() override { events.append(QStringLiteral("focus destination")); }
    platform::MessageAnswer showMessage(const QString& title, const QString& text, platform::MessageIcon icon,
                                        platform::MessageButtons buttons) override;
    void openFolderPicker() override { events.append(QStringLiteral("picker")); }

    // The events that are message boxes, as "[TITLE]".
    QStringList boxes() const;
};

} // namespace quarnix::testing
