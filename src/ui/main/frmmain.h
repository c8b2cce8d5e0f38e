#pragma once

#include "platform/gui/services.h"

#include <QWidget>

namespace quarnix::ui {

// Placeholder main window.
class frmMain : public QWidget {
    Q_OBJECT
public:
    explicit frmMain(const platform::Services& services, QWidget* parent = nullptr);
};

} // namespace quarnix::ui
