#pragma once

#include "platform/WindowContext.h"

#include <QCursor>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

class QGroupBox;
class QPushButton;
class QMimeData;

namespace quillfen {

class ExtractionRun;
class ReorderGesture;

// The main window. It lays out the controls, runs start-up, owns the pointer and busy state,
// and keeps one thin handler per control event; each handler calls the command that lives in
// its subsystem, which works on the window through WindowContext.
class Form1 final : public QWidget, public WindowContext {
    Q_OBJECT

public:
    // Runs start-up (Form_Load) before it returns; show() the window afterwards.
    explicit Form1(Platform platform, QWidget* parent = nullptr);
    ~Form1() override;

    // WindowContext
    ListControl& fileList() override { return *ListView1; }
    ListControl& resultsList() override { return *ListView2; }
    ProgressBar& progressBar() override { return *ProgressBar1; }
    int dateBoxValue(DateKind kind) const override;
    WindowPointer pointer() const override { return m_pointer; }
    void setPointer(WindowPointer pointer) override;
    Platform& platform() override { return m_platform; }
    QString appTitle() const override { return m_appTitle; }
    void yield() override;

    bool hasCustomPointerImage() const { return m_customCursor.has_value(); }

    // The controls, under the names the handlers use.
    ListControl* ListView1 = nullptr;
    QGroupBox* Frame1 = nullptr;
    DateBox* Check3 = nullptr;
    DateBox* Check2 = nullptr;
    DateBox* Check1 = nullptr;
    ListControl* ListView2 = nullptr;
    QPushButton* PushButton1 = nullptr;
    QPushButton* PushButton13 = nullptr;
    ProgressBar* ProgressBar1 = nullptr;
    QPushButton* PushButton7 = nullptr;
    QPushButton* PushButton4 = nullptr;
    QPushButton* PushButton3 = nullptr;
    QPushButton* PushButton5 = nullptr;
    QPushButton* PushButton2 = nullptr;
    QPushButton* PushButton8 = nullptr;
    QPushButton* PushButton9 = nullptr;

    // Handlers
    void Form_Load();
    void PushButton1_Click();
    void PushButton2_Click();
    void PushButton3_Click();
    void PushButton4_Click();
    void PushButton5_Click();
    void PushButton7_Click();
    void PushButton8_Click();
    void PushButton9_Click();
    void PushButton13_Click();
    void Check1_Click();
    void Check2_Click();
    void Check3_Click();
    void ListView1_DblClick();
    void ListView1_MouseDown();
    void ListView1_ItemClick(int row);
    void ListView1_MouseMove(QPoint pos);
    void ListView1_MouseUp();
    void ListView1_OLEDragDrop(const QMimeData* dropped);
    void ListView2_KeyDown(int key, Qt::KeyboardModifiers modifiers);

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createControls();
    void connectHandlers();
    QPushButton* makeButton(const QString& caption, int left, int top, int width);
    // Places a control of the window at its default position, given in twips.
    void placeControl(QWidget* widget, int left, int top, int width, int height);
    // Runs a handler; a closed window unwinds out of it and ends here.
    template <class Handler> void handle(Handler&& handler);
    void storeDateBox(DateBox& box, const QString& key);
    // The hover rule: over a button the hand, elsewhere the arrow, never while busy.
    void hoverPointer(WindowPointer pointer);

    struct Placed {
        QWidget* widget;
        QRect defaultGeometry; // in pixels, at the window's default size
    };
    std::vector<Placed> m_layout;

    Platform m_platform;
    QString m_appTitle;
    WindowPointer m_pointer = WindowPointer::Default;
    std::optional<QCursor> m_customCursor;
    bool m_closed = false;
    std::unique_ptr<ExtractionRun> m_extraction;
    std::unique_ptr<ReorderGesture> m_gesture;
};

} // namespace quillfen
