// GL feedback and selection capture: what a drawing call really sent down
// the pipeline, and the names a pick of it hits.
#pragma once
#include <GL/gl.h>
#include <gtest/gtest.h>

#include <iterator>
#include <vector>

// What a drawing call sent down the pipeline, from GL feedback mode with
// colours: every vertex as x, y (window coordinates), z and its colour.
struct FeedbackVertex {
  float x, y, z;
  float rgba[4];
  GLint token;  // the primitive it belongs to: GL_POINT_TOKEN, GL_POLYGON_TOKEN ...
};
struct Captured {
  int points = 0, lines = 0, polygons = 0, bitmaps = 0;
  int triangles = 0;  // a polygon of n corners counts n - 2
  std::vector<FeedbackVertex> vertices;
  bool overflow = false;
};

template <class DrawFn>
Captured CaptureFeedback(DrawFn draw) {
  static std::vector<GLfloat> buffer(1 << 21);
  glFeedbackBuffer(static_cast<GLsizei>(buffer.size()), GL_3D_COLOR, buffer.data());
  glRenderMode(GL_FEEDBACK);
  draw();
  const GLint count = glRenderMode(GL_RENDER);
  Captured out;
  if (count < 0) {
    out.overflow = true;
    return out;
  }
  GLint token = 0;
  auto vertex = [&](GLint& i) {
    FeedbackVertex v{buffer[i],
                     buffer[i + 1],
                     buffer[i + 2],
                     {buffer[i + 3], buffer[i + 4], buffer[i + 5], buffer[i + 6]},
                     token == GL_LINE_RESET_TOKEN ? GL_LINE_TOKEN : token};
    i += 7;
    out.vertices.push_back(v);
  };
  for (GLint i = 0; i < count;) {
    token = static_cast<GLint>(buffer[i++]);
    switch (token) {
      case GL_POINT_TOKEN: ++out.points; vertex(i); break;
      case GL_LINE_TOKEN:
      case GL_LINE_RESET_TOKEN: ++out.lines; vertex(i); vertex(i); break;
      case GL_POLYGON_TOKEN: {
        ++out.polygons;
        const GLint n = static_cast<GLint>(buffer[i++]);
        out.triangles += n - 2;
        for (GLint k = 0; k < n; ++k) vertex(i);
        break;
      }
      case GL_BITMAP_TOKEN:
      case GL_DRAW_PIXEL_TOKEN:
      case GL_COPY_PIXEL_TOKEN: ++out.bitmaps; vertex(i); break;
      case GL_PASS_THROUGH_TOKEN: ++i; break;
      default: ADD_FAILURE() << "unknown feedback token " << token; return out;
    }
  }
  return out;
}

// The name stacks of every hit of what `draw` draws in GL_SELECT mode under
// the current matrices, in order.
using Names = std::vector<std::vector<GLuint>>;
template <class DrawFn>
Names SelectNames(DrawFn draw) {
  static GLuint buffer[4096];
  glSelectBuffer(GLsizei(std::size(buffer)), buffer);
  glRenderMode(GL_SELECT);
  glInitNames();
  glPushName(0);
  draw();
  const GLint count = glRenderMode(GL_RENDER);
  Names hits;
  for (GLint i = 0, at = 0; i < count; ++i, at += 3 + GLint(buffer[at]))
    hits.emplace_back(buffer + at + 3, buffer + at + 3 + buffer[at]);
  return hits;
}
