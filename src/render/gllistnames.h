// Where the text code gets its display-list names.  Texts carry list names
// as 16-bit characters, so a name above 0xFFFF is as useless as none.  The
// source is a seam: tests replace it to run out of names on purpose.
#pragma once
#include <GL/gl.h>

#include <memory>

class IGlListNames {
 public:
  virtual ~IGlListNames() = default;
  // `range` consecutive new lists; 0 when none are left.
  virtual GLuint Generate(GLsizei range) = 0;
  virtual void Delete(GLuint first, GLsizei range) = 0;
};

// glGenLists and glDeleteLists of the current context.
class CurrentContextListNames : public IGlListNames {
 public:
  GLuint Generate(GLsizei range) override { return glGenLists(range); }
  void Delete(GLuint first, GLsizei range) override { glDeleteLists(first, range); }
};

IGlListNames& GlListNames();
// Installs a source (null: the current context's) and returns the old one.
std::unique_ptr<IGlListNames> SetGlListNames(std::unique_ptr<IGlListNames> names);

// `range` new lists whose names all fit in 16 bits, or 0.  Lists that were
// made but do not fit are given back at once.
GLuint GenerateWordLists(GLsizei range);
