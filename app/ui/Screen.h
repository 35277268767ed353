#pragma once

#include "app/ui/AppContext.h"

#include <QDialog>
#include <functional>

class QLabel;

// A task screen: one instance for the whole run, shown again and again.
// FormShow runs each time it goes from hidden to shown, FormClose when it is
// hidden, FormResize when it is resized. Every handler runs guarded: an error
// it does not catch shows its own text through the message sink, and the
// screen stays as it was.
class Screen : public QDialog {
    Q_OBJECT
public:
    Screen(AppContext &context, const QString &name, const QString &caption, QWidget *parent = nullptr);

    AppContext &context() { return m_context; }
    Session &session() { return m_context.session; }
    MessageSink &messages() { return *m_context.messages; }

    // The default error display: runs a handler and reports what escapes it.
    void guarded(const std::function<void()> &handler);

protected:
    virtual void FormShow() {}
    virtual void FormClose() {}
    virtual void FormResize();

    // Connects a signal to a guarded handler; the signal's arguments are dropped.
    template <typename Sender, typename Signal, typename Handler>
    void on(Sender *sender, Signal signal, Handler handler)
    {
        connect(sender, signal, this, [this, handler]() { guarded(handler); });
    }

    // Creates a child control with its name as object name.
    template <typename Control, typename... Args> Control *make(const QString &name, Args &&...args)
    {
        auto *control = new Control(std::forward<Args>(args)..., this);
        control->setObjectName(name);
        return control;
    }
    class QPushButton *makeButton(const QString &name, const QString &caption);
    QLabel *makeLabel(const QString &name, const QString &caption);

    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

    QLabel *JvImg;

private:
    AppContext &m_context;
};
