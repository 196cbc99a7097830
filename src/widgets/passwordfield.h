#pragma once

class QLineEdit;

// Makes a line edit a password field that shows each typed character as "*"
// (the style's own mask is a bullet). Works whatever style sheets the field or its
// windows carry.
void makePasswordField(QLineEdit *field);
