#!/usr/bin/perl
# Adds the type flags that widl does not write to an MSFT type library, in place:
#   TYPEFLAG_FPREDECLID (0x08) on the coclass: widl knows appobject but not predeclid, and
#     macro hosts need both to offer the class's methods unqualified;
#   TYPEFLAG_FOLEAUTOMATION (0x100) on the dispatch side of a dual interface, which widl
#     writes only on the vtable side.
# The layout read here is the documented MSFT format: header (0x54 bytes), [help DLL
# offset], typeinfo offsets[nrtypeinfos], 15 segment directory entries {offset, length,
# res, res}; segment 0 holds the typeinfo records, each starting with its TYPEKIND (low
# nibble) and holding its type flags at +0x30.
# Usage: complete-typeflags.pl FILE.tlb
use strict;
use warnings;

my $path = shift @ARGV or die "usage: complete-typeflags.pl FILE.tlb\n";
open(my $fh, '+<:raw', $path) or die "complete-typeflags: cannot open $path: $!\n";
my $data = do { local $/; <$fh> };

sub int_at { my ($offset) = @_; return unpack('l<', substr($data, $offset, 4)); }

die "complete-typeflags: $path is not an MSFT type library\n" unless substr($data, 0, 4) eq 'MSFT';
my $varflags = int_at(0x14);
my $count = int_at(0x20);
my $offsets = 0x54 + (($varflags & 0x100) ? 4 : 0);
my $typeinfos = int_at($offsets + 4 * $count);  # segment 0's offset

my ($TKIND_DISPATCH, $TKIND_COCLASS) = (4, 5);
my ($TYPEFLAG_FPREDECLID, $TYPEFLAG_FDUAL, $TYPEFLAG_FOLEAUTOMATION) = (0x08, 0x40, 0x100);
my %added = (coclass => 0, dual => 0);
for my $index (0 .. $count - 1) {
  my $record = $typeinfos + int_at($offsets + 4 * $index);
  my $kind = int_at($record) & 0xF;
  my $flags = int_at($record + 0x30);
  my $extra = 0;
  if ($kind == $TKIND_COCLASS) { $extra = $TYPEFLAG_FPREDECLID; $added{coclass}++; }
  if ($kind == $TKIND_DISPATCH && ($flags & $TYPEFLAG_FDUAL)) { $extra = $TYPEFLAG_FOLEAUTOMATION; $added{dual}++; }
  next unless $extra;
  seek($fh, $record + 0x30, 0) or die "complete-typeflags: seek failed: $!\n";
  print $fh pack('l<', $flags | $extra) or die "complete-typeflags: write failed: $!\n";
}
die "complete-typeflags: expected one coclass and one dual interface in $path\n"
  unless $added{coclass} == 1 && $added{dual} == 1;
close($fh) or die "complete-typeflags: close failed: $!\n";
