// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

#include <functional>

class LineControl;

// Makes a window's controls grow and shrink with it. It records once the client
// size and every control's position, size and font size as designed (in twips),
// and afterwards sets each control to its recorded geometry times the ratio of the
// present client size to the recorded one. A control's "Tag" property may limit what
// is scaled: "@" followed by the letters L, T, W, H, F.
//
// The size it gives a window is the outer size, frame included. A window manager frames
// a window only once it is shown; until then the frame counts as nothing, so the window
// is sized again, once, as soon as its frame is known.
class ClsResize
{
public:
    static constexpr double kTwipsPerPixel = 15.0;

    // The screen's work area in pixels; tests hand in their own.
    using WorkAreaQuery = std::function<QRect()>;

    ClsResize();
    ~ClsResize();
    ClsResize(const ClsResize &) = delete;
    ClsResize &operator=(const ClsResize &) = delete;

    QWidget *SourceForm() const { return m_form; }
    void SetSourceForm(QWidget *New_SourceForm) { m_form = New_SourceForm; }

    void ReInitialise();
    void SizeFormToScreen(quint8 Percent, bool Centered);
    void ResizeControls();

    // The work area's right (X) or bottom (Y) edge, in pixels or in twips.
    qint32 AvaibleAreaX(bool DimInPixel) const;
    qint32 AvaibleAreaY(bool DimInPixel) const;

    void setWorkAreaQuery(WorkAreaQuery query) { m_workArea = std::move(query); }

    // The widget whose size counts as the client area: a main window's central widget.
    static QWidget *clientArea(QWidget *form);

    // Lays out a window's menu bar and central widget for its present size at once,
    // also while it is hidden, so the client size can be read right after a resize.
    static void syncClientArea(QWidget *window);

private:
    struct ControlGeometry
    {
        QPointer<QWidget> control;
        qint32 first = 0;
        qint32 second = 0;
        qint32 third = 0;
        qint32 fourth = 0;
        float fontSize = 0;
    };

    // Which of a control's Left, Top, Width and Height its tag lets the resizer change.
    struct ScaledParts
    {
        bool left, top, width, height;
    };

    void CaptureLayout();
    static void scaleControl(const ControlGeometry &entry, QWidget *control, double horizontal,
                             double vertical);
    static void scaleLine(const ControlGeometry &entry, LineControl *line, const ScaledParts &parts,
                          double horizontal, double vertical);
    static void scaleFont(QWidget *control, double size);
    QRect workArea() const;
    // Gives the window the outer geometry `outer`, its frame (as far as known) included.
    void placeWindow(const QRect &outer);
    void watchForFrame(const QRect &outer);

    QPointer<QWidget> m_form;
    qint32 m_recordedWidth = 0;
    qint32 m_recordedHeight = 0;
    QList<ControlGeometry> m_geometry;
    bool m_layoutPending = true;
    WorkAreaQuery m_workArea;
    // The client size the controls were last scaled to: a pass for the same size would
    // set every control to what it already has.
    QSize m_scaledClientSize;
    QPointer<QObject> m_frameWatch; // alive while a shown window waits for its frame
};
