#pragma once

#include <QFrame>

class QComboBox;

namespace vorkast {

class AppContext;

// The topic catalogue of the main window (sPanel1): lists, filters, deletes and opens tests.
class TopicCatalog : public QFrame {
    Q_OBJECT
public:
    TopicCatalog(AppContext &context, QWidget *parent);

    QComboBox *classFilter() const { return m_rzComboBox1; }
    QComboBox *subjectFilter() const { return m_RzComboBox2; }

private:
    AppContext &m_context;
    QComboBox *m_rzComboBox1;
    QComboBox *m_RzComboBox2;
};

} // namespace vorkast
