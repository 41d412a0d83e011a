#pragma once

#include "platform/controls/dispatch.h"

#include <QList>
#include <QWidget>

namespace controls {

// The objects a property page edits, reached only through their dispatch interfaces.
// The design environment that fills it keeps them alive while the page is shown.
class SelectedObjects
{
public:
    SelectedObjects() = default;
    explicit SelectedObjects(QList<Dispatch*> objects) : objects_(std::move(objects)) {}

    int Count() const { return static_cast<int>(objects_.size()); }
    // Throws NoSelectedControl for an index past the end.
    Dispatch& operator()(int index) const;

private:
    QList<Dispatch*> objects_;
};

// The base of a property page class in a control library.
class PropertyPage : public QWidget
{
    Q_OBJECT
public:
    explicit PropertyPage(QWidget* parent);
    ~PropertyPage() override;

    // The tab text in the property dialog.
    QString Caption() const { return caption_; }

    const SelectedObjects& SelectedControls() const { return selected_; }

    // True while the page holds changes not yet applied.
    bool Changed() const { return changed_; }
    void setChanged(bool changed);

    // The design environment's side: a new selection is followed by SelectionChanged.
    void setSelectedControls(const QList<Dispatch*>& objects) { selected_ = SelectedObjects(objects); }
    virtual void PropertyPage_SelectionChanged() {}
    virtual void PropertyPage_ApplyChanges() {}

signals:
    void changedChanged(bool changed);

protected:
    void setCaption(const QString& caption) { caption_ = caption; }

private:
    QString caption_;
    SelectedObjects selected_;
    bool changed_ = false;
};

} // namespace controls
