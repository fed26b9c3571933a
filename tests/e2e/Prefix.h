#pragma once

#include <string>
#include <vector>

#include <QTemporaryDir>

// A scratch Wine prefix whose user.reg is the fresh prefix of the fixtures
// with a history key of the given value lines, in its sorted place. The
// folder, private to its owner, also serves as the home and runtime folder.
class Prefix {
 public:
  explicit Prefix(const std::vector<std::string>& historyLines);

  QString Path() const { return folder_.path(); }
  QString UserReg() const { return folder_.filePath(QStringLiteral("user.reg")); }

  std::vector<std::string> Lines() const;
  const std::vector<std::string>& Written() const { return written_; }

  // The lines as written, without those given.
  std::vector<std::string> WrittenWithout(const std::vector<std::string>& removed) const;

 private:
  QTemporaryDir folder_;
  std::vector<std::string> written_;
};

// `after` with the history key's stamp lines (its section line and #time)
// taken from `before`: a deletion renews them, and all else must match.
std::vector<std::string> WithStampsOf(const std::vector<std::string>& before,
                                      std::vector<std::string> after);
