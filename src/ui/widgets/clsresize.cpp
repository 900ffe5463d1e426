// SPDX-License-Identifier: GPL-3.0-or-later
#include "clsresize.h"

#include "linecontrol.h"

#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QScreen>

#include <cmath>
#include <functional>

namespace {

qint32 toTwips(double pixels)
{
    return qint32(std::lround(pixels * ClsResize::kTwipsPerPixel));
}

int toPixels(double twips)
{
    return int(std::lround(twips / ClsResize::kTwipsPerPixel));
}

// Every control of the window in one fixed order: the client area's children and,
// inside frames, theirs. A control's own inner parts are not controls.
void collectControls(QWidget *parent, QList<QWidget *> &controls)
{
    for (QObject *child : parent->children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || widget->isWindow())
            continue;
        controls.append(widget);
        if (qobject_cast<QGroupBox *>(widget))
            collectControls(widget, controls);
    }
}

QSize frameSize(const QWidget *window)
{
    return window->frameGeometry().size() - window->geometry().size();
}

// Waits for the window system to frame a shown window. Some tell the frame as the window is
// shown; a window manager puts its frame around the window with a move, before the window is
// first painted, so sizing the window again right then is not seen as a jump; any other
// system tells at the latest by the first paint.
class FrameWatch : public QObject
{
public:
    FrameWatch(QWidget *window, std::function<void()> framed)
        : QObject(window), m_window(window), m_framed(std::move(framed))
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        const auto type = event->type();
        if ((type != QEvent::Show && type != QEvent::Move && type != QEvent::Resize &&
             type != QEvent::Paint) ||
            !m_window->isVisible() || m_window->windowState() != Qt::WindowNoState ||
            frameSize(m_window).isNull())
            return false;
        m_window->removeEventFilter(this);
        auto framed = [this] {
            deleteLater();
            m_framed();
        };
        if (type == QEvent::Paint) // not in the middle of painting
            QMetaObject::invokeMethod(this, framed, Qt::QueuedConnection);
        else
            framed();
        return false;
    }

private:
    QWidget *m_window;
    std::function<void()> m_framed;
};

} // namespace

void ClsResize::syncClientArea(QWidget *window)
{
    if (QLayout *layout = window->layout()) {
        layout->invalidate();
        layout->activate();
    }
}

ClsResize::ClsResize()
    : m_workArea([] {
          const QScreen *screen = QGuiApplication::primaryScreen();
          return screen ? screen->availableGeometry() : QRect();
      })
{}

ClsResize::~ClsResize()
{
    delete m_frameWatch;
    m_geometry.clear();
    m_form = nullptr;
}

QWidget *ClsResize::clientArea(QWidget *form)
{
    if (auto *mainWindow = qobject_cast<QMainWindow *>(form); mainWindow && mainWindow->centralWidget())
        return mainWindow->centralWidget();
    return form;
}

QRect ClsResize::workArea() const
{
    return m_workArea ? m_workArea() : QRect();
}

void ClsResize::ReInitialise()
{
    CaptureLayout();
}

void ClsResize::CaptureLayout()
{
    if (!m_form)
        return;
    QWidget *client = clientArea(m_form);
    m_recordedWidth = toTwips(client->width());
    m_recordedHeight = toTwips(client->height());

    QList<QWidget *> controls;
    collectControls(client, controls);
    m_geometry.clear();
    m_geometry.reserve(controls.size());
    for (QWidget *control : controls) {
        ControlGeometry entry;
        entry.control = control;
        if (auto *line = qobject_cast<LineControl *>(control)) {
            entry.first = toTwips(line->start().x());
            entry.second = toTwips(line->start().y());
            entry.third = toTwips(line->end().x());
            entry.fourth = toTwips(line->end().y());
        } else {
            entry.first = toTwips(control->x());
            entry.second = toTwips(control->y());
            entry.third = toTwips(control->width());
            entry.fourth = toTwips(control->height());
            entry.fontSize = float(control->font().pointSizeF()); // -1 when the font is sized in pixels
        }
        m_geometry.append(entry);
    }
    m_scaledClientSize = client->size();
    m_layoutPending = false;
}

void ClsResize::SizeFormToScreen(quint8 Percent, bool Centered)
{
    if (!m_form)
        return;
    if (m_layoutPending)
        CaptureLayout();

    const QRect area = workArea();
    const double right = area.x() + area.width();
    const double bottom = area.y() + area.height();
    const qint32 height = qint32(std::floor(bottom * kTwipsPerPixel * (Percent / 100.0)));
    const qint32 width = qint32(std::floor(right * kTwipsPerPixel * (Percent / 100.0)));
    const qint32 fullHeight = qint32(std::lround(bottom * kTwipsPerPixel));
    const qint32 fullWidth = qint32(std::lround(right * kTwipsPerPixel));

    const int left = Centered ? toPixels((fullWidth - width) / 2) : m_form->window()->frameGeometry().x();
    const int top = Centered ? toPixels((fullHeight - height) / 2) : m_form->window()->frameGeometry().y();
    const QRect outer(left, top, toPixels(width), toPixels(height));
    placeWindow(outer);
    ResizeControls();
    watchForFrame(outer);
}

void ClsResize::placeWindow(const QRect &outer)
{
    QWidget *window = m_form->window();
    // A top-level window's position is that of its frame; its size is that of its client.
    window->move(outer.topLeft());
    QSize client = outer.size() - frameSize(window);
    // At a fractional scale (1.5) the frame's and the work area's sizes are rounded to whole
    // pixels of the window's own: one pixel less keeps the frame inside the work area.
    const qreal scale = window->devicePixelRatioF();
    if (scale != std::floor(scale))
        client -= QSize(1, 1);
    window->resize(client);
    syncClientArea(window);
}

void ClsResize::watchForFrame(const QRect &outer)
{
    delete m_frameWatch;
    QWidget *window = m_form->window();
    if (!frameSize(window).isNull())
        return; // framed already: the outer size counted it
    m_frameWatch = new FrameWatch(window, [this, outer] {
        if (!m_form)
            return;
        placeWindow(outer);
        ResizeControls();
    });
}

void ClsResize::ResizeControls()
{
    if (!m_form || m_form->window()->isMinimized())
        return;
    QWidget *client = clientArea(m_form);
    if (client->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).isEmpty())
        return;
    if (m_layoutPending) {
        CaptureLayout();
        return;
    }
    if (m_recordedWidth <= 0 || m_recordedHeight <= 0 || client->size() == m_scaledClientSize)
        return;

    QWidget *window = m_form->window();
    const bool wasUpdating = window->updatesEnabled();
    window->setUpdatesEnabled(false);
    const double vertical = toTwips(client->height()) / double(m_recordedHeight);
    const double horizontal = toTwips(client->width()) / double(m_recordedWidth);

    for (const ControlGeometry &entry : std::as_const(m_geometry)) {
        if (QWidget *control = entry.control) // a control that no longer exists is skipped
            scaleControl(entry, control, horizontal, vertical);
    }
    m_scaledClientSize = client->size();
    window->setUpdatesEnabled(wasUpdating);
}

void ClsResize::scaleControl(const ControlGeometry &entry, QWidget *control, double horizontal,
                             double vertical)
{
    QString tag = control->property("Tag").toString().toUpper();
    if (!tag.startsWith(u'@'))
        tag = QStringLiteral("@L,T,W,H,F");
    const ScaledParts parts{tag.contains(u'L'), tag.contains(u'T'), tag.contains(u'W'), tag.contains(u'H')};
    if (auto *line = qobject_cast<LineControl *>(control)) {
        scaleLine(entry, line, parts, horizontal, vertical);
        return;
    }
    if (tag.contains(u'F') && entry.fontSize > 0)
        scaleFont(control, entry.fontSize * std::sqrt(horizontal));
    QRect geometry = control->geometry();
    if (parts.left)
        geometry.moveLeft(toPixels(entry.first * horizontal));
    if (parts.top)
        geometry.moveTop(toPixels(entry.second * vertical));
    if (parts.width)
        geometry.setWidth(toPixels(entry.third * horizontal));
    if (parts.height)
        geometry.setHeight(toPixels(entry.fourth * vertical));
    control->setGeometry(geometry);
}

void ClsResize::scaleLine(const ControlGeometry &entry, LineControl *line, const ScaledParts &parts,
                          double horizontal, double vertical)
{
    // A line is stretched by its end points; it has no font.
    QPointF start = line->start();
    QPointF end = line->end();
    if (parts.left)
        start.setX(entry.first * horizontal / kTwipsPerPixel);
    if (parts.top)
        start.setY(entry.second * vertical / kTwipsPerPixel);
    if (parts.width)
        end.setX(entry.third * horizontal / kTwipsPerPixel);
    if (parts.height)
        end.setY(entry.fourth * vertical / kTwipsPerPixel);
    line->setPoints(start, end);
}

void ClsResize::scaleFont(QWidget *control, double size)
{
    // Setting a font is costly even when nothing changes: skip the same size.
    if (size > 0 && std::abs(control->font().pointSizeF() - size) > 1e-6) {
        QFont font = control->font();
        font.setPointSizeF(size);
        control->setFont(font);
    }
}

qint32 ClsResize::AvaibleAreaX(bool DimInPixel) const
{
    const QRect area = workArea();
    const qint32 right = area.x() + area.width();
    return DimInPixel ? right : toTwips(right);
}

qint32 ClsResize::AvaibleAreaY(bool DimInPixel) const
{
    const QRect area = workArea();
    const qint32 bottom = area.y() + area.height();
    return DimInPixel ? bottom : toTwips(bottom);
}
