#!/usr/bin/env bash
# The unprivileged user of the polkit tests: a system user without a home folder or a login
# shell, made for a test run and removed after it.
#   test-user.sh create NAME   makes the user unless it exists; prints "UID GID"
#   test-user.sh password NAME gives the user the password read from standard input, for the
#                              polkit tests that ask the user for their own password
#   test-user.sh remove NAME   removes the user (the test ends its processes first)
# Only names beginning with quillmere-test are accepted.
set -euo pipefail

[ "$(id -u)" -eq 0 ] || { echo "test-user: needs root (useradd)" >&2; exit 1; }
[ $# -eq 2 ] || { echo "usage: test-user.sh create|password|remove quillmere-test..." >&2; exit 2; }
name=$2
case $name in
    quillmere-test*) ;;
    *) echo "test-user: the user must be named quillmere-test*" >&2; exit 2 ;;
esac

case $1 in
    create)
        if ! id "$name" >/dev/null 2>&1; then
            useradd --system --no-create-home --home-dir /nonexistent \
                --shell /usr/sbin/nologin --comment "Quillmere tests" "$name"
        fi
        echo "$(id -u "$name") $(id -g "$name")"
        ;;
    password)
        IFS= read -r secret
        printf '%s:%s\n' "$name" "$secret" | chpasswd
        ;;
    remove)
        id "$name" >/dev/null 2>&1 || exit 0
        userdel "$name"
        ;;
    *) echo "usage: test-user.sh create|password|remove quillmere-test..." >&2; exit 2 ;;
esac
