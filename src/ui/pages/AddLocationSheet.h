#pragma once

#include <QDialog>

namespace vantorel {

class AppModel;

// The sheet in which a new location is typed in, presented over the main window.
class AddLocationSheet final : public QDialog {
    Q_OBJECT
    Q_DISABLE_COPY_MOVE(AddLocationSheet)

public:
    static constexpr int sheetWidth = 530;

    explicit AddLocationSheet(AppModel& model, QWidget* parent = nullptr);

private:
    AppModel& m_model;
};

} // namespace vantorel
