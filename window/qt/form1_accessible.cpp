// SPDX-FileCopyrightText: 2026 Zefra developers
// SPDX-License-Identifier: MIT
// What screen readers see of the Qt window and its message box.

#include "window/qt/form1_accessible.h"

#include <QAccessibleWidget>
#include <QPointer>
#include <QWidget>

#include "window/qt/form1.h"
#include "window/qt/layout_to_qt.h"
#include "window/qt/message_box.h"

namespace zefra::qt {
namespace {

// A control the window paints itself: read-only text at its box, inside the window.
class PaintedLabelAccessible final : public QAccessibleInterface {
  public:
    PaintedLabelAccessible(QWidget* form, const layout::Control& label)
        : form_(form), label_(label) {}

    bool isValid() const override { return !form_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return form_ ? form_->windowHandle() : nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(form_);
    }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? ToQString(layout::AccessibleNameOf(label_)) : QString();
    }
    void setText(QAccessible::Text /*kind*/, const QString& /*text*/) override {}
    QRect rect() const override {
        if (!form_) return {};
        const QRect box = PixelBox(label_.box);
        return {form_->mapToGlobal(box.topLeft()), box.size()};
    }
    QAccessible::Role role() const override { return QAccessible::StaticText; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.readOnly = true;
        return state;
    }

  private:
    // Cleared when the window goes, so that the label is no longer valid either.
    QPointer<QWidget> form_;
    const layout::Control& label_;
};

class Form1Accessible final : public QAccessibleWidget {
  public:
    explicit Form1Accessible(QWidget* form) : QAccessibleWidget(form, QAccessible::Window) {
        for (const layout::Control& control : layout::kForm1Controls) {
            if (control.kind != layout::ControlKind::kLabel) continue;
            auto* label = new PaintedLabelAccessible(form, control);
            // QAccessible owns it from here, until it is deleted by its id below.
            labelIds_.push_back(QAccessible::registerAccessibleInterface(label));
        }
    }
    ~Form1Accessible() override {
        for (const QAccessible::Id id : labelIds_) QAccessible::deleteAccessibleInterface(id);
    }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Name ? widget()->windowTitle() : QAccessibleWidget::text(kind);
    }
    int childCount() const override {
        return QAccessibleWidget::childCount() + static_cast<int>(labelIds_.size());
    }
    QAccessibleInterface* child(int index) const override {
        const int widgets = QAccessibleWidget::childCount();
        if (index < widgets) return QAccessibleWidget::child(index);
        const auto label = static_cast<qsizetype>(index - widgets);
        return label < labelIds_.size() ? QAccessible::accessibleInterface(labelIds_[label])
                                        : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const qsizetype label =
            labelIds_.indexOf(QAccessible::uniqueId(const_cast<QAccessibleInterface*>(child)));
        return label >= 0 ? QAccessibleWidget::childCount() + static_cast<int>(label)
                          : QAccessibleWidget::indexOfChild(child);
    }

  private:
    QList<QAccessible::Id> labelIds_;
};

}  // namespace

QAccessibleInterface* AccessibleFactory(const QString& /*className*/, QObject* object) {
    if (auto* form = qobject_cast<Form1*>(object)) return new Form1Accessible(form);
    // Announced when it opens, and named by its title, like any message box.
    if (auto* box = qobject_cast<MessageBox*>(object)) {
        return new QAccessibleWidget(box, QAccessible::AlertMessage);
    }
    return nullptr;
}

}  // namespace zefra::qt
