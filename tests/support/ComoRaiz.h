#pragma once

// Run as root, returns false: the test goes on where it is. Run by anyone
// else, it runs this test again, alone, in a child that is root of a user and
// mount namespace of its own (unshare), the user's subordinate ids mapped too
// where the system gives them, so that the child can become other users. The
// child's result is this test's (passed; failed, with its output; skipped,
// with its reason) and it returns true: the caller returns. For test bodies.
bool RepetidaComoRaiz();
