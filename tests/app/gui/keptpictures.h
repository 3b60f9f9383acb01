// The view's pictures a test checks pixels on, kept as
// <test>.<name>.out.png in the working folder when the test fails (or
// always with KAVREL_KEEP_PICTURES set), for a look at what was drawn.
#pragma once
#include <gtest/gtest.h>

#include <QImage>
#include <QString>
#include <cstdlib>
#include <utility>
#include <vector>

class KeptPictures {
 public:
  QImage Keep(const char* name, QImage picture) {
    m_pictures.emplace_back(QString::fromLatin1(name), std::move(picture));
    return m_pictures.back().second;
  }
  ~KeptPictures() {
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    if (!test || (!::testing::Test::HasFailure() && !std::getenv("KAVREL_KEEP_PICTURES"))) return;
    for (const auto& [name, picture] : m_pictures)
      picture.save(QString::fromLatin1(test->name()) + QLatin1Char('.') + name + QStringLiteral(".out.png"));
  }

 private:
  std::vector<std::pair<QString, QImage>> m_pictures;
};
