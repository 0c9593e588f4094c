"""The tally of a check script: each check counted, each failure kept with
what was checked, and the script ended with their verdict as its status."""

import sys


class Tally:
    def __init__(self):
        self.checks = 0
        self.failures = []

    def __call__(self, condition, what):
        self.checks += 1
        if not condition:
            self.failures.append(what)
        return condition

    def finish(self, note="", status_when_clean=0):
        """Prints the failures and the counts, and exits: 1 on a failure,
        else `status_when_clean` (77: skipped, for CTest)."""
        for failure in self.failures:
            print("FAILED:", failure)
        print(f"{self.checks} checks, {len(self.failures)} failures{note}")
        sys.exit(1 if self.failures else status_when_clean)
