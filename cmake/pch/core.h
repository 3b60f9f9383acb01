// Precompiled once and force-included into every source of the headless
// layers (platform .. editing): the standard and Qt Core/Gui headers that
// nearly every file reaches through its own includes.  Each file still
// includes what it uses; this only saves parsing the same headers ~400 times.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <deque>
#include <functional>
#include <limits>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QHash>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QStringList>
