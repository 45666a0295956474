// Keeps the window library non-empty whatever the set of windows built so far.
