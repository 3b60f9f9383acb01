// Precompiled for the layers, programs and benchmarks that use widgets
// (view, ui, app, the tools); see core.h.
#include "core.h"

#include <QAction>
#include <QApplication>
#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTextDocument>
#include <QTimer>
#include <QWidget>
