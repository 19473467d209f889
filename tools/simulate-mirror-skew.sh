#!/usr/bin/env bash
# Plans the prerequisites' install as it goes on a fresh machine whose mirror is in mid-sync:
# the security suite's 32-bit index is missing, so its 64-bit packages are newer than the 32-bit
# ones the release offers. The plan runs against an apt configuration of this script's own (the
# machine's Debian sources, the security suite listing amd64 only, its own lists folder and an
# empty package status) with apt-get -s, so nothing on the machine is installed or changed.
#   tools/simulate-mirror-skew.sh
# Shows that the plain install's plan breaks and the fallback's plan holds; exits non-zero if
# the fallback's plan breaks too (or the skew does not show, which proves nothing). It reads
# the package indexes from the mirror, so it is not part of the tests.
set -euo pipefail
cd "$(dirname "$0")/.."

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/lists/partial" "$work/cache/archives/partial" "$work/parts" "$work/preferences"
: >"$work/status"

release=$(. /etc/os-release && echo "$VERSION_CODENAME")
# The machine's own Debian sources, one line a suite: the release, its updates and security.
apt-get indextargets --no-release-info --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' \
    'Created-By: Packages' | sort -u |
  while read -r uri suite component; do
    case $suite in
      "$release"-security) echo "deb [arch=amd64] $uri $suite $component" ;;
      "$release" | "$release"-updates) echo "deb [arch=amd64,i386] $uri $suite $component" ;;
    esac
  done >"$work/sources.list"
grep -q -- "-security" "$work/sources.list" ||
  { echo "no $release-security suite among this machine's sources: nothing to simulate" >&2; exit 2; }

cat >"$work/apt.conf" <<CONF
APT::Architecture "amd64";
APT::Architectures { "amd64"; "i386"; };
Dir::Etc::sourcelist "$work/sources.list";
Dir::Etc::sourceparts "$work/parts";
Dir::Etc::preferences "$work/preferences/none";
Dir::Etc::preferencesparts "$work/preferences";
Dir::State::lists "$work/lists";
Dir::State::status "$work/status";
Dir::Cache "$work/cache";
CONF
export APT_CONFIG=$work/apt.conf

echo "sources of the simulated mirror:"
sed 's/^/  /' "$work/sources.list"
tools/install-prerequisites.sh --simulate >"$work/plan.log" 2>&1 && planned=true || planned=false
grep -E '^(install plan|Wine for|The prerequisites|E: )' "$work/plan.log" | sed 's/^/  /'

if ! grep -q '^install plan: plain, broken' "$work/plan.log"; then
  echo "FAILED: the plain install's plan holds, so the skew did not show"
  exit 1
fi
if ! $planned || grep -q '^Wine for 32-bit programs left out' "$work/plan.log" ||
   grep -q "^install plan: from $release, broken" "$work/plan.log"; then
  echo "FAILED: the fallback's plan breaks too"
  exit 1
fi
echo "PASSED: the plain install's plan breaks, and the plan with every package from $release holds"
